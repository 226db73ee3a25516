#include "platform/qt/FontMatch.h"

#include <QFontMetrics>
#include <QStringList>

namespace {
// Song (Ming) style serif CJK faces, closest first.
const QStringList kSongLookAlikes = {"AR PL UMing CN", "AR PL SungtiL GB", "Noto Serif CJK SC",
                                     "Source Han Serif SC", "Noto Serif CJK"};

// The sans faces that Windows dialogs in Latin scripts use, and their look-alikes here.
const QStringList kShellDialogLookAlikes = {"Tahoma", "DejaVu Sans", "Liberation Sans",
                                            "Noto Sans"};

bool IsShellDialogFace(const QString& face) {
    return face.compare("MS Shell Dlg", Qt::CaseInsensitive) == 0 ||
           face.compare("MS Shell Dlg 2", Qt::CaseInsensitive) == 0 ||
           face.compare("Microsoft Sans Serif", Qt::CaseInsensitive) == 0;
}

bool IsSongFace(const QString& face) {
    return face == QStringLiteral("宋体") || face == QStringLiteral("新宋体") ||
           face.compare("SimSun", Qt::CaseInsensitive) == 0 ||
           face.compare("NSimSun", Qt::CaseInsensitive) == 0;
}
}  // namespace

QFont MatchDialogFont(const DialogFont& font) {
    const QString face = QString::fromStdString(font.face);
    QStringList families{face};
    const bool sans = IsShellDialogFace(face);
    if (sans) {
        families += kShellDialogLookAlikes;
    } else if (IsSongFace(face)) {
        families += kSongLookAlikes;
    }
    QFont result;
    result.setFamilies(families);
    result.setStyleHint(sans ? QFont::SansSerif : QFont::Serif);
    result.setPixelSize(PointsToPixels(font.pointSize));
    if (font.weight > 0) {
        result.setWeight(static_cast<QFont::Weight>(font.weight));
    }
    result.setItalic(font.italic);
    return result;
}

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    return DialogBaseUnits::FromFontMeasures(
        metrics.horizontalAdvance(QString::fromLatin1(kDialogUnitAlphabet)), metrics.height());
}
