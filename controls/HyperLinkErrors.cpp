// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/HyperLinkErrors.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<int, const char*>, 13> kErrorTexts{{
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};

}  // namespace

QString HyperLinkErrorText(int code) {
    for (const auto& [known, text] : kErrorTexts) {
        if (known == code) {
            return QString::fromLatin1(text);
        }
    }
    return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
}
