// Qt's own texts are Japanese like the rest of the programs, whatever the
// user's locale: on an English desktop too the standard buttons and the file
// chooser speak Japanese. A program of its own, since the locale must be set
// before the application object exists.
#include "platform/Application.h"
#include "platform/FileChooser.h"
#include "tests/platform/TestResources.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <cstdlib>

namespace {

// A button text without its mnemonic, "はい(&Y)" or "&Yes" alike.
std::string Plain(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    text.remove(QLatin1Char('&'));
    return text.toStdString();
}

TEST(ToolkitLanguage, AnEnglishLocaleStillGetsJapaneseStandardButtonsAndFileChooser) {
    ASSERT_EQ(platform::Application::Current(), nullptr) << "the locale must come first";
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                       QStringLiteral("/qtbase_ja.qm")))
        GTEST_SKIP() << "Qt's Japanese translations are not installed "
                        "(Debian package qt6-translations-l10n)";
    setenv("LC_ALL", "en_US.UTF-8", 1);
    setenv("LANG", "en_US.UTF-8", 1);
    setenv("LANGUAGE", "en_US:en", 1);
    testres::App();

    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(Plain(box.button(QMessageBox::Yes)->text()), "はい");
    EXPECT_EQ(Plain(box.button(QMessageBox::No)->text()), "いいえ");
    EXPECT_EQ(Plain(box.button(QMessageBox::Cancel)->text()), "キャンセル");

    // The suite's chooser itself (no test hook, which would stand in for it):
    // read its buttons from inside its modal loop, then cancel it.
    std::string open, cancel;
    QTimer::singleShot(0, [&] {
        if (auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            auto* buttons = chooser->findChild<QDialogButtonBox*>();
            open = Plain(buttons->button(QDialogButtonBox::Open)->text());
            cancel = Plain(buttons->button(QDialogButtonBox::Cancel)->text());
        }
        platform::Application::Current()->EndAllModals();
    });
    VNString out;
    EXPECT_FALSE(platform::ChooseOpenFile(VNString(u8"開く"), {}, nullptr, out, nullptr));
    EXPECT_EQ(open, "開く");
    EXPECT_EQ(cancel, "キャンセル");
}

} // namespace
