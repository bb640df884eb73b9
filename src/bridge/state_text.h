#pragma once
// The pure rules behind each state notification: the dead zone, the button
// press codes and the SSTP NOTIFY text. No platform calls, so they are tested
// natively too.
#include <cstdint>

#include "input/joy_state.h"
#include "message/text.h"

// 0 when value lies within [-margin, margin] (both bounds included), else the
// value unchanged.
std::int32_t ApplyDeadZone(std::int32_t value, std::int32_t margin);

// Press-state code of one button from its previous and current byte, judged by
// the high bit alone: 0 released, 1 just pressed, 2 held, 3 just released.
int ButtonCode(std::uint8_t previous, std::uint8_t current);

// The NOTIFY SSTP/1.0 "OnTesmirState" text for one frame: six dead-zoned axes
// (Reference0-5), the first hat (Reference6) and one code per button for the
// first buttonnum buttons (Reference7 on; none when buttonnum <= 0, at most
// 128), every line ended by CR LF, then an empty line.
WideString ComposeStateText(const DIJOYSTATE2& current, const DIJOYSTATE2& previous,
                            std::int32_t margin, std::int32_t buttonnum);
