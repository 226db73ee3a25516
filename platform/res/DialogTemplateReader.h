// Reads a dialog template resource of either kind.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/res/DialogTemplate.h"

// nullopt when any field runs past the end of the bytes.
std::optional<DialogTemplate> ReadDialogTemplate(std::span<const std::uint8_t> bytes);
