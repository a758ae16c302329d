#pragma once
// The user's number format, as the Windows layer reads it at start ('.'
// until then).
char DecimalSeparator();
void SetDecimalSeparator(char Value);
