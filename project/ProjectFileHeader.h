#pragma once

#include "platform/Afx.h"

// The 15 bytes in front of every project file: the magic "QLX" and four zero bytes,
// the edition byte, three reserved bytes, the version 1.9.3 and a reserved byte.
constexpr int ProjectFileHeaderSize = 15;

// What opening a file makes of its header.
enum class ProjectHeaderKind {
    Invalid,        // not a project file
    VelaEdition,    // written by the Vela edition
    OrinEdition,    // written by the Orin edition
    Newer,          // written by a newer version
    Older,          // written by an older version: convert first
    Current,
};

// The edition bytes come before the version; versions compare byte by byte as signed
// 8-bit numbers.
ProjectHeaderKind ClassifyProjectFileHeader(const BYTE (&header)[ProjectFileHeaderSize]);

void WriteProjectFileHeader(CArchive& ar);
