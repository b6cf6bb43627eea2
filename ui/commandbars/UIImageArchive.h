#pragma once

#include <windows.h>

class CArchive;

// One image of an icon set in an archive: a colour part and (for icons without alpha)
// a mask part, each the count 52, a 52-byte bitmap header block (the 40-byte header and
// up to three colour-table entries), the count of bit bytes and the bits; or a count
// of 0 for an absent part. An absent image is two zero counts.
void StoreArchivedImage(CArchive& ar, HICON icon, BOOL alpha);
// The icon of an image record (null for an absent one; the caller owns it). A header
// count other than 0 or 52, a header that is not a 1-, 24- or 32-bit bitmap of at most
// 1024 x 1024, or more bit bytes than the header describes throws CArchiveException.
HICON LoadArchivedImage(CArchive& ar, BOOL alpha);
