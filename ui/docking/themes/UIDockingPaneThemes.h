#pragma once

class CUIDockingPaneTheme;

// The docking theme of an index (0-3, 5, 6) with the index stored; null for any other.
CUIDockingPaneTheme* CreateDockingPaneTheme(int index);
