// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <nlohmann/json.hpp>

namespace quibbet::record {

// A single-precision value as the shortest decimal that reads back to it. A whole value becomes
// a JSON integer (9720, not 9720.0); any other becomes the double nearest that decimal, which
// the JSON writer prints as the same digits (187.5, not 187.50000001).
nlohmann::ordered_json SingleToJson(float value);

}  // namespace quibbet::record
