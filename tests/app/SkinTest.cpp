// Skin drawing offscreen: premultiplication, the decode cache, tick boxes and sliders, and the
// skins dialog with its list, color, OK and Cancel.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTest>

#include <fstream>
#include <sstream>
#include <thread>

#include "app/CSkinsDialog.h"
#include "app/ShellFixture.h"
#include "platform/fake/RecordingSink.h"
#include "session/AppData.h"
#include "ui/qt/SkinWidgets.h"

namespace tarvik::test {
namespace {

TEST(Premultiply, TruncatesEachColorByItsAlpha) {
    struct Case {
        QRgb straight;
        QRgb stored;
    };
    const Case cases[] = {
        {qRgba(255, 255, 255, 0), qRgba(0, 0, 0, 0)},  // fully transparent
        {qRgba(255, 255, 255, 128), qRgba(128, 128, 128, 128)},
        {qRgba(1, 2, 255, 128), qRgba(0, 1, 128, 128)},  // truncated, where rounding gives 1, 1
        {qRgba(200, 100, 50, 255), qRgba(200, 100, 50, 255)},
        {qRgba(255, 255, 255, 1), qRgba(1, 1, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.straight);
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, c.straight);
        const QImage stored = ui::premultiplyTruncating(image);
        EXPECT_EQ(stored.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(reinterpret_cast<const QRgb*>(stored.constBits())[0], c.stored);
    }
}

class SkinDrawing : public ::testing::Test {
protected:
    SkinDrawing() {
        qtApp();
        skin.folder = skins.root() / "Carbon";
        canvas.fill(QColor(0, 200, 0));
    }
    void writeSkinImage(const char* name, int w, int h, QRgb straight) {
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(straight);
        image.save(QString::fromStdString((skin.folder / name).string()));
    }
    TempSkins skins;
    ui::SkinState skin;
    QImage canvas{64, 32, QImage::Format_ARGB32_Premultiplied};
};

TEST_F(SkinDrawing, TransparentPixelsDrawNothingAndHalfAlphaBlends) {
    writeSkinImage("clear.png", 4, 4, qRgba(255, 255, 255, 0));
    writeSkinImage("half.png", 4, 4, qRgba(255, 255, 255, 128));
    {
        ui::CMemDC dc(canvas, nullptr);
        EXPECT_TRUE(ui::DrawSkinImage(dc.painter(), skin, "/clear.png", 0, 0));
        EXPECT_TRUE(ui::DrawSkinImage(dc.painter(), skin, "/half.png", 10, 0));
        EXPECT_FALSE(ui::DrawSkinImage(dc.painter(), skin, "/missing.png", 20, 0));
    }
    EXPECT_EQ(canvas.pixel(1, 1), qRgb(0, 200, 0));
    const QColor blended = canvas.pixelColor(11, 1);  // 128 + 200 * 127 / 255 in green
    EXPECT_NEAR(blended.red(), 128, 1);
    EXPECT_NEAR(blended.green(), 227, 1);
    EXPECT_EQ(canvas.pixel(21, 1), qRgb(0, 200, 0));
}

TEST_F(SkinDrawing, TheCacheNoticesAChangedFile) {
    writeSkinImage("pane.png", 4, 4, qRgb(255, 0, 0));
    const auto file = skin.folder / "pane.png";
    ASSERT_NE(skin.cache.get(file), nullptr);
    skin.cache.get(file);
    EXPECT_EQ(skin.cache.decodes(), 1u);
    writeSkinImage("pane.png", 5, 4, qRgb(0, 0, 255));
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + std::chrono::seconds(2));
    const QImage* changed = skin.cache.get(file);
    ASSERT_NE(changed, nullptr);
    EXPECT_EQ(changed->pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(skin.cache.decodes(), 2u);
    std::filesystem::remove(file);
    EXPECT_EQ(skin.cache.get(file), nullptr);
}

TEST_F(SkinDrawing, PrefetchedImagesAreUsedOnlyWhileTheirFileIsUnchanged) {
    writeSkinImage("main.png", 4, 4, qRgb(255, 0, 0));
    writeSkinImage("page.png", 4, 4, qRgb(0, 255, 0));
    const auto main = skin.folder / "main.png", page = skin.folder / "page.png";
    skin.cache.prefetch({main, page, skin.folder / "missing.png"});
    ASSERT_NE(skin.cache.get(main), nullptr);  // waits for the prefetch and takes it over
    EXPECT_EQ(skin.cache.get(main)->pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(skin.cache.decodes(), 2u) << "main.png and page.png decoded once, by the prefetch";
    // Replaced after the prefetch decoded it: the next get decodes it again.
    writeSkinImage("page.png", 4, 4, qRgb(0, 0, 255));
    std::filesystem::last_write_time(page, std::filesystem::last_write_time(page) + std::chrono::seconds(2));
    ASSERT_NE(skin.cache.get(page), nullptr);
    EXPECT_EQ(skin.cache.get(page)->pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(skin.cache.decodes(), 3u);
    EXPECT_EQ(skin.cache.get(skin.folder / "missing.png"), nullptr);
}

TEST_F(SkinDrawing, SlidersLightTheirFirstSegmentsAndTickBoxesShowTheirState) {
    writeSkinImage("slider-light.png", 2, 2, qRgb(255, 255, 255));
    writeSkinImage("slider-dark.png", 2, 2, qRgb(50, 50, 50));
    writeSkinImage("Pane.png", 2, 2, qRgb(1, 1, 1));
    writeSkinImage("PaneMakingTick.png", 2, 2, qRgb(9, 9, 9));
    const ui::SegmentedSlider slider(0, 0, 2, 2, 3, "/slider-light.png", "/slider-dark.png");
    for (int value : {1, 11}) {
        SCOPED_TRACE(value);
        {
            ui::CMemDC dc(canvas, nullptr);
            slider.draw(dc.painter(), skin, value);
        }
        for (int k = 0; k < ui::SegmentedSlider::kSegments; ++k)
            EXPECT_EQ(canvas.pixel(3 * k, 0), k < value ? qRgb(255, 255, 255) : qRgb(50, 50, 50)) << "segment " << k;
    }
    EXPECT_EQ(slider.valueAt(0, 0), 1);
    EXPECT_EQ(slider.valueAt(31, 1), 11);
    EXPECT_EQ(slider.valueAt(2, 0), std::nullopt);  // the gap between segments
    for (bool on : {true, false}) {
        ui::CMemDC dc(canvas, nullptr);
        ui::drawTickBox(dc.painter(), skin, {40, 10, 42, 12}, on);
        dc.painter().end();
        EXPECT_EQ(canvas.pixel(40, 10), on ? qRgb(9, 9, 9) : qRgb(1, 1, 1));
    }
}

class SkinsDialogTest : public ::testing::Test {
protected:
    SkinsDialogTest() : data(dataPathsIn(skins.dir / "data"), skins.root()) {
        qtApp();
        std::filesystem::create_directories(skins.dir / "data");
        std::ofstream(data.paths().strIni) << "[Skins]\nPath=Carbon\nRColor=1\nGColor=2\nBColor=3\n";
        data.attachSink(sink);
        data.loadLanguage();
        current = data.loadInterfaceSettings();
        skin.folder = data.skinFolder(current.name);
    }
    std::unique_ptr<CSkinsDialog> open() {
        return std::make_unique<CSkinsDialog>(skin, data, current, colors, messages, nullptr);
    }
    // Opens the list, picks `name` in it and returns what the list offered.
    QStringList pick(CSkinsDialog& dialog, const QString& name) {
        dialog.clickAt({60, 135});
        QListWidget* list = dialog.skinList().list();
        QStringList offered;
        if (!list) return offered;
        for (int i = 0; i < list->count(); ++i) offered << list->item(i)->text();
        const auto found = list->findItems(name, Qt::MatchExactly);
        if (!found.isEmpty())
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
        return offered;
    }
    std::string strIni() const {
        std::ifstream in(data.paths().strIni);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    TempSkins skins;
    platform::FakeColorChooser colors;
    platform::FakeMessageBox messages;
    platform::RecordingSink sink;
    AppData data;
    SkinChoice current;
    ui::SkinState skin;
};

TEST_F(SkinsDialogTest, ListsOnlyFoldersAndCancelChangesNothing) {
    const std::string before = strIni();
    auto dialog = open();
    colors.answer = platform::Rgb{9, 8, 7};
    dialog->clickAt({60, 100});  // the swatch
    EXPECT_EQ(pick(*dialog, "Arctic"), (QStringList{"Arctic", "Carbon"}));
    EXPECT_FALSE(dialog->skinList().isOpen());
    EXPECT_EQ(dialog->choice().name, "Arctic");
    dialog->clickAt({300, 260});  // Cancel
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(strIni(), before);
}

// A first run's "str.ini" names no skin, yet the default one is drawn: the dialog names it.
TEST_F(SkinsDialogTest, NamesTheSkinInUseWhenTheFileNamesNone) {
    for (const char* stored : {"", "Gone"}) {
        SCOPED_TRACE(stored);
        current.name = stored;
        auto dialog = open();
        EXPECT_EQ(dialog->skinList().shown(), QStringLiteral("Carbon"));
        EXPECT_EQ(dialog->choice().name, "Carbon");
    }
}

TEST_F(SkinsDialogTest, OkThroughTheWindowSavesAndRedrawsWithTheNewSkin) {
    ShellRig rig;
    rig.data.root_ = skins.root();
    auto window = rig.makeWindow();
    ASSERT_EQ(window->OnInitDialog(), CPellorDlg::InitResult::Ready);
    window->runSkinsDialog = [&](const SkinChoice&) -> std::optional<SkinChoice> {
        auto dialog = open();
        colors.answer = platform::Rgb{9, 8, 7};
        dialog->clickAt({60, 100});
        pick(*dialog, "Arctic");
        dialog->clickAt({200, 260});  // OK
        if (dialog->result() != QDialog::Accepted) return std::nullopt;
        data.saveSkinChoice(dialog->choice());
        return dialog->choice();
    };
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(710, 10));
    EXPECT_EQ(window->skinChoice(), (SkinChoice{"Arctic", {9, 8, 7}}));
    EXPECT_EQ(window->skin().folder, skins.root() / "Arctic");
    ASSERT_EQ(rig.data.saved.size(), 1u);
    const std::string saved = strIni();
    for (const char* line : {"Path=Arctic", "RColor=9", "GColor=8", "BColor=7"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
}

TEST_F(SkinsDialogTest, HoverMovesFromOkToCancelInOneRepaint) {
    auto dialog = open();
    dialog->show();
    QTest::mouseMove(dialog.get(), QPoint(200, 260));
    const int copies = dialog->canvasCopies();
    QTest::mouseMove(dialog.get(), QPoint(300, 260));
    EXPECT_EQ(dialog->canvasCopies(), copies + 1);
    EXPECT_EQ(dialog->canvas().pixel(200, 270), QColor(kNormalColor).rgb());
    EXPECT_EQ(dialog->canvas().pixel(300, 270), QColor(kOverColor).rgb());
}

TEST_F(SkinsDialogTest, AMissingBackgroundIsReportedAndTheButtonsStillWork) {
    std::filesystem::remove(skin.folder / "skins.png");
    auto dialog = open();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0],
              (std::pair<std::string, std::string>{"error", "Skins Dialog Load background image failed!!!"}));
    dialog->clickAt({360, 10});  // close
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace tarvik::test
