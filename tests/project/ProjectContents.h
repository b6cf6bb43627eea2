#pragma once
#include "project/CQLXProject.h"

// Fills a project the way loading a file and compiling do: every kind of object it owns,
// most of them indexed by several maps. Every object counts its own deletion, so a test
// can check that each is deleted exactly once.
class ProjectContents {
public:
    // Objects created so far and objects deleted so far, over all fills.
    static int created;
    static int deleted;

    static void Reset() { created = deleted = 0; }
    static void Fill(CQLXProject& project);
};
