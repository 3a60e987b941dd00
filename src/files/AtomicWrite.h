#pragma once

#include <QString>

#include <functional>
#include <string>

class QIODevice;

// Puts `bytes` at `path` whole or not at all: they are written to a new file beside the
// target, flushed to the disk, and only then renamed over it. On any failure the old
// file is as it was and the new one is gone. `write` writes all the bytes to the device
// or fails; a test gives one that fails part way, as a full disk does.
using DeviceWrite = std::function<bool(QIODevice& device, const std::string& bytes)>;

bool writeWholeDevice(QIODevice& device, const std::string& bytes);

bool writeFileAtomically(const QString& path, const std::string& bytes,
                         const DeviceWrite& write = writeWholeDevice);
