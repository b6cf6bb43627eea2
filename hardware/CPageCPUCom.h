#pragma once
#include "hardware/CCPUPage.h"

// "通讯设置": station number and line settings of the CPU's two serial ports. The
// second port (RS485) is offered only by the CPUs that have it.
class CPageCPUCom : public CCPUPage {
    DECLARE_DYNAMIC(CPageCPUCom)

public:
    CPageCPUCom();
    void Defaults() override;
    void Reload() override;
    bool ApplyToModule() override;
    bool HasSecondPort() const;

protected:
    void Fill() override;
    bool OnPageCommand(UINT id, UINT code) override;

private:
    void ShowPort(int port, const BYTE* settings);
    void ShowModulePorts();
};
