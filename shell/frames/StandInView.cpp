#include "shell/frames/StandInView.h"

IMPLEMENT_DYNCREATE(CStandInView, CView)
