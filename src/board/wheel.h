// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ravelin::wheel {

// The numbers of the single-zero wheel run from the zero to this one.
inline constexpr int lastNumber = 36;
inline constexpr int numberCount = lastNumber + 1;

// "Rotation/37" needs a whole rotation of spins still to come.
inline constexpr double spinsPerRotation = numberCount;

// The spin log has one row per triple; a run never composes more.
inline constexpr int logRows = 5000;

} // namespace ravelin::wheel
