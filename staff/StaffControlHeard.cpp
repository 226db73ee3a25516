// The pitch the microphone hears, as a grey note that follows the voice.
#include "staff/StaffControl.h"

namespace {

// Light enough to tell from a placed note, dark enough to see on the staff's white.
constexpr int kHeardFadePercent = 55;

}  // namespace

void CStaffControl::SetHeardPitch(std::optional<double> key) {
    std::optional<staff::HeardPlace> place;
    if (key) {
        place = m_geometry.NearestPlace(*key, m_clef, m_nSignature);
        if (m_bmpNoteHeard.IsEmpty()) {
            m_bmpNoteHeard.CreateFaded(m_bmpNote, kHeardFadePercent);
        }
    }
    if (place != m_heard) {
        m_heard = place;
        CWnd::InvalidateRect(nullptr, FALSE);
    }
}
