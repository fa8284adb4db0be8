#include "window/Language.h"

#include "core/PathRules.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void keep(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
}

// A translation says which way its language is written, in the entry Qt itself reads.
void followDirection() {
    const QString direction = QCoreApplication::translate(
        "QGuiApplication", "QT_LAYOUT_DIRECTION",
        "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
        "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");
    const bool rightToLeft = direction == QLatin1String("RTL");
    QApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    IsolatePathsInMessages(rightToLeft);
}

} // namespace

void RemoveLanguage() {
    for (const auto& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
    QApplication::setLayoutDirection(Qt::LeftToRight);
    IsolatePathsInMessages(false);
}

QString InstallLanguage(const QLocale& locale) {
    RemoveLanguage();
    auto own = std::make_unique<QTranslator>();
    // The compiled translations are built into the program (translations/*.ts).
    if (!own->load(locale, QStringLiteral("velmora"), QStringLiteral("_"),
                   QStringLiteral(":/i18n")))
        return {};
    QString language = own->language();
    // Qt's own texts (a dialog's buttons, a text box's menu) when the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        keep(std::move(qt));
    keep(std::move(own));
    followDirection();
    return language;
}

bool InstallTranslationFile(const QString& path) {
    RemoveLanguage();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path))
        return false;
    keep(std::move(translator));
    followDirection();
    return true;
}
