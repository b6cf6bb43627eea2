#pragma once
#include "platform/CPoint.h"

class CToolTipCtrl;
class CWnd;
class TestApplication;

// The pointer comes to rest at the point (client coordinates of the window): the move
// goes through the application's pre-translation, as the message loop sends it, and the
// queue is pumped until the tip shows or half a second passed. True when it shows.
bool RestPointerAt(TestApplication& app, CWnd* window, CToolTipCtrl& tip, CPoint point);
