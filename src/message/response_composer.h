#pragma once
// Writes a response record out as SAORI response text, and the status-code
// table with its reason phrases.
#include <cstdint>

#include "message/saori_records.h"
#include "message/text.h"

// Settles response.status (0 becomes 200; 200 with nothing to say becomes
// 204) and returns the full response text, every line ended by CR LF.
WideString ComposeResponse(CSAORIResponse& response);

// The reason phrase of a status code; "Unknown Error" for codes not in the table.
WideString StatusText(std::int32_t status);

// The rule for NOTIFY: a successful status (200 or 0) becomes 204 and result
// and values are emptied; headers, and any other status, are left alone.
void ClearForNotify(CSAORIResponse& response);
