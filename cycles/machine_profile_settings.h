#pragma once

#include <QString>

#include "common/machine_profile.h"

namespace quillmar {

class SettingsStore;

// The machine profile from section "Parameter"; every absent or unreadable key gives
// its default.
MachineProfile readMachineProfile(const SettingsStore& store);

// Writes all eighteen keys to section "Parameter" in their stored form.
void saveMachineProfile(const MachineProfile& profile, SettingsStore& store);

// The stored and displayed text of a profile number: shortest decimal text with a
// point, no leading blank, at most 15 significant digits (7 for single precision).
QString profileNumberText(double value);
QString profileNumberText(Single value);

}  // namespace quillmar
