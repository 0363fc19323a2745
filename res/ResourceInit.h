#pragma once

// Registers this library's Qt resources. A static library's resource objects are
// dropped by the linker unless something refers to them; this is that reference.
void EnsureResources();
