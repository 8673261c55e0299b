#include "jpg_repair.h"

#include <cstring>

jpg_repair::jpg_repair() = default;

jpg_repair::~jpg_repair() = default;

void jpg_repair::jpgSlot(QString text)
{
    emit JpgSlotCall(text);
}
