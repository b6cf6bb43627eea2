#pragma once
#include "platform/CView.h"

// An empty view that holds the place of a view whose window has not been built yet.
class CStandInView : public CView {
    DECLARE_DYNCREATE(CStandInView)

public:
    void OnDraw(CDC*) override {}
};
