#include "project/ProjectFileHeader.h"

#include <cstring>

namespace {

const BYTE CurrentHeader[ProjectFileHeaderSize] = {'Q', 'L', 'X', 0, 0, 0, 0, 'C', 0, 0, 0, 1, 9, 3, 0};
const int MagicSize = 7;
const int EditionAt = 7;
const int VersionAt = 11;
const int VersionSize = 3;

}  // namespace

ProjectHeaderKind ClassifyProjectFileHeader(const BYTE (&header)[ProjectFileHeaderSize]) {
    if (std::memcmp(header, CurrentHeader, MagicSize) != 0)
        return ProjectHeaderKind::Invalid;
    if (header[EditionAt] == 'P')
        return ProjectHeaderKind::VelaEdition;
    if (header[EditionAt] == 'E')
        return ProjectHeaderKind::OrinEdition;
    for (int i = VersionAt; i < VersionAt + VersionSize; ++i) {
        const signed char file = static_cast<signed char>(header[i]);
        const signed char current = static_cast<signed char>(CurrentHeader[i]);
        if (file != current)
            return file > current ? ProjectHeaderKind::Newer : ProjectHeaderKind::Older;
    }
    return ProjectHeaderKind::Current;
}

void WriteProjectFileHeader(CArchive& ar) {
    ar.Write(CurrentHeader, ProjectFileHeaderSize);
}
