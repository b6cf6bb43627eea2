#pragma once
#include "platform/CString.h"

// What the main frame asks of the application object: the operations that belong to
// the application (saving the whole project, new document files, the visual style).
// The application installs itself; without it these do nothing and answer FALSE.
class FrameApplication {
public:
    virtual ~FrameApplication() = default;
    virtual BOOL SaveProject() = 0;
    virtual BOOL CreateDocumentFile(const CString& path, BOOL show) = 0;
    virtual void SetVisualStyle(int style) = 0;
};

void SetFrameApplication(FrameApplication* application);
FrameApplication* GetFrameApplication();
