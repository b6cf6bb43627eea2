#pragma once
// An opaque place in a list or map, handed out and taken back by the collection that
// made it; null stands for "no place" (the end of an iteration).

struct __POSITION {};
typedef __POSITION* POSITION;
