#pragma once
// What every harness needs: the program's set-up (once per run) and the checks made on
// whatever a reader made of its input.

#include "base/core/RegionalFormat.h"
#include "document/core/Project.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace plk::fuzz {

/// A GUI application on the offscreen platform (text metrics and pictures need one)
/// and the program's fonts.
void initialise();

/// The regional settings the harnesses read and write with (French: decimal comma).
const RegionalFormat& format();

/// The input as bytes, without a copy.
inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

/// Ends the run as a finding: libFuzzer keeps the input that caused it.
[[noreturn]] void finding(const char* what, const QString& detail);

/// Paints every tab, writes the project and reads the text back: the written file
/// must read completely, and once read back it must be written the same again.
void paintWriteAndReadBack(Project& project);

}  // namespace plk::fuzz
