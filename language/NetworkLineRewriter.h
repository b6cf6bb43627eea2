#pragma once

#include "platform/CString.h"

// Prepares one source line for the compiler's passes: a network header comment
// "(* NETWORK n *)" at the start of a program line becomes the statement
// "__NETWORK n", and comments are removed with their open state carried from line to
// line. Returns whether a comment is still open after the line.
bool RewriteNetworkLine(CString& line, bool inComment, const char* opener = "(*",
                        const char* closer = "*)");
