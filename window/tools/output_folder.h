#pragma once

#include <cstdio>
#include <optional>

#include <QDir>
#include <QString>

namespace stereona::window {

// The folder a drawing tool writes into, its only argument, made if need be.
// Says what is wrong on stderr and gives nothing when it cannot be had.
inline std::optional<QDir> OutputFolder(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return std::nullopt;
  }
  QDir output(QString::fromLocal8Bit(argv[1]));
  if (!output.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return std::nullopt;
  }
  return output;
}

}  // namespace stereona::window
