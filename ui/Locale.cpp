#include "ui/Locale.h"

namespace {
char Separator = '.';
}  // namespace

char DecimalSeparator() { return Separator; }
void SetDecimalSeparator(char Value) {
    if (Value) Separator = Value;
}
