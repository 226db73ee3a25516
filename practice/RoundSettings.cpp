#include "practice/RoundSettings.h"

namespace practice {

bool RoundSettings::Valid() const {
    const staff::StaffGeometry staff(ledgerLines);
    return staff::kMinLedgerLines <= ledgerLines && ledgerLines <= staff::kMaxLedgerLines &&
           staff.LowestStep() <= lowStep && lowStep <= highStep &&
           highStep <= staff.HighestStep() && count >= kEndless &&
           ((key >= -staff::kMaxSignature && key <= staff::kMaxSignature) || key == kRandomKey);
}

int RoundSettings::NoStep() const {
    return staff::StaffGeometry(ledgerLines).LowestStep() - 1;
}

}  // namespace practice
