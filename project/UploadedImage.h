#pragma once

#include "platform/Afx.h"

#include <cstdint>

class CProjTreeNode;
class CQLXProject;

// The sections of a target image as the PLC sent it, located through the directory and
// checked against the bytes received: every section lies inside the data.
struct UploadedImageLayout {
    int directoryLength = 0;
    int moduleStart = 0, moduleLength = 0;      // section 4
    int cpuStart = 0, cpuLength = 0;            // section 5
    int programStart = 0, programLength = 0;    // section 6
    int initDataStart = 0, initDataLength = 0;  // section 7
    uint16_t storedCrc = 0;
};

// FALSE when the directory or a section runs past the data.
BOOL ReadUploadedImageLayout(const uint8_t* data, int size, UploadedImageLayout& layout);

// Turns the project's transferBytes back into a project: checks the CRC, recreates the
// modules and the CPU settings, rebuilds the program and variable files of every POU
// into the project folder and registers the POUs, and recreates the initial-data rows.
// FALSE on a CRC mismatch, a module the catalogue does not describe, or an image that
// is short or garbled anywhere; what was restored before the failure stays in the
// project (owned by it).
BOOL ParseUploadedImage(CQLXProject& project);
// Rebuilds the POU files from the program bytes and registers the POUs, each subroutine
// with its call descriptor.
BOOL RestorePous(CQLXProject& project, const uint8_t* program, int length);
// Registers the subroutine's call descriptor, read from its rebuilt variable file
// SBR<nn>_<name>.ilv in the project folder.
void RestoreSubroutineDesc(CQLXProject& project, const CProjTreeNode& node);
