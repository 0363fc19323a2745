#pragma once

#include "FileResult.h"

#include <functional>
#include <optional>

// Runs work as an ordinary user, so that file permissions apply even when the
// tests run as root: root forks a child that drops to nobody (65534) and reports
// the result back through a pipe. Empty when the child could not drop privileges
// or did not finish.
std::optional<FileResult> RunUnprivileged(const std::function<FileResult()>& work);
