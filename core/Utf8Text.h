// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text that comes from outside the program (a file of draws, a file name on the command line) in the forms
// the program can work with and show. Such text may hold anything: bytes that are no UTF-8, control
// characters that would retitle or clear a terminal, full-width digits from a Chinese input method, or a
// single field of megabytes. What the program echoes back goes through EchoText first.
#include <cstddef>
#include <string>

// Every byte sequence is well-formed UTF-8 (no overlong forms, no surrogates, nothing above U+10FFFF).
bool IsValidUtf8(const std::string& text);

// The text as it may be shown: cut to at most maxCharacters characters (then "…"), with control characters
// (C0, DEL, C1), NUL, the characters that reorder text on screen (bidirectional overrides and isolates) and
// every byte that is not part of well-formed UTF-8 written as escapes: \x1B for a byte, \u{202E} for a
// character.
std::string EchoText(const std::string& text, std::size_t maxCharacters);

// Text bound for a terminal in full (records written to standard output): escaped as EchoText escapes, but
// never cut, and with its line ends (\n, \r\n) and tabs kept, so that the lines stay lines.
std::string TerminalText(const std::string& text);

// Full-width forms as a Chinese input method or a spreadsheet types them, folded to their plain forms the way
// Unicode's compatibility normalisation (NFKC) folds them: U+FF01 .. U+FF5E to ASCII ("１２３" to "123", "，"
// to ","), and the ideographic space U+3000 to a space. Everything else is kept as it is.
std::string FoldFullWidth(const std::string& text);

// Text in UTF-8 from the bytes of a text file: a UTF-8 byte-order mark is dropped, and UTF-16 with a
// byte-order mark (as Windows programs save "Unicode text"), little- or big-endian, is converted; a lone
// surrogate becomes U+FFFD. Any other bytes are taken as UTF-8 as they are.
std::string TextFileToUtf8(const std::string& bytes);
