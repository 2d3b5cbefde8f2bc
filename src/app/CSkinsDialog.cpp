// The skins dialog, drawn from "/skins.png" of the active skin.
#include "app/CSkinsDialog.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "ui/SkinLayout.h"
#include "ui/TextCatalogue.h"

namespace tarvik {
namespace {

constexpr ClientRect fromLayout(layout::Rect r) { return {r.left, r.top, r.right, r.bottom}; }
constexpr ClientRect kNameBox{42, 128, 136, 144};
constexpr ClientRect kNameClick{42, 128, 151, 144};
constexpr ClientRect kListRect{42, 146, 151, 266};
// Dialog controls: white text on dark grey.
const char* const kControlStyle = "color: white; background-color: rgb(40, 40, 40);";

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

}  // namespace

std::vector<std::string> listSkinFolders(const std::filesystem::path& root) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(root, ec))
        if (entry.is_directory(ec)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

CSkinsDialog::CSkinsDialog(ui::SkinState& skin, const ShellData& data, SkinChoice current,
                           platform::ColourChooser& colours, platform::MessageBox& messages, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), skin_(skin), data_(data), choice_(std::move(current)),
      colours_(colours), folder_(skin.folder) {
    setMouseTracking(true);
    const QImage* background = skin_.cache.get(folder_ / "skins.png");
    if (background) {
        canvas_ = background->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
        messages.show("error", "Skins Dialog Load background image failed!!!");
        canvas_ = QImage(layout::kDialog.width, layout::kDialog.height, QImage::Format_ARGB32_Premultiplied);
        canvas_.fill(Qt::black);
    }
    setFixedSize(canvas_.size());
    const LanguageId language = data_.language();
    close_ = buttons_.add({fromLayout(layout::kDialogClose), "/button-close-normal.png", "/button-close-over.png", {}});
    ok_ = buttons_.add({fromLayout(layout::kDialogOk), "/button-normal.png", "/button-over.png",
                        fromView(dialogText(DialogText::Ok, language))});
    cancel_ = buttons_.add({fromLayout(layout::kDialogCancel), "/button-normal.png", "/button-over.png",
                            fromView(dialogText(DialogText::Cancel, language))});

    nameBox_ = std::make_unique<QLabel>(QString::fromStdString(choice_.name), this);
    nameBox_->setGeometry(ui::toQRect(kNameBox));
    nameBox_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    nameBox_->setStyleSheet(kControlStyle);
    nameBox_->setFont(skin_.textFont);
    nameBox_->setAttribute(Qt::WA_TransparentForMouseEvents);  // clicks reach the dialog's regions

    folders_ = listSkinFolders(data_.skinsRoot());
    std::vector<QString> entries;
    for (const std::string& name : folders_) entries.push_back(QString::fromStdString(name));
    list_ = std::make_unique<ui::DropDownBox>(this, kNameClick, kListRect, std::move(entries));
    list_->setChoice(-1);
    list_->onChosen = [this](int index) { chooseFolder(index); };
    drawAll();
}

CSkinsDialog::~CSkinsDialog() = default;

void CSkinsDialog::drawAll() {
    ui::CMemDC dc(canvas_, this, &canvasCopies_);
    buttons_.drawAllNormal(dc.painter(), skin_);
    ui::drawLabel(dc.painter(), fromLayout(layout::kSkinsPrompt),
                    fromView(dialogText(DialogText::SkinsPrompt, data_.language())), skin_.textFont, skin_.textColour);
    drawSwatch(dc.painter());
}

void CSkinsDialog::drawSwatch(QPainter& painter) {
    const auto& c = choice_.textColour;
    painter.fillRect(ui::toQRect(fromLayout(layout::kSkinsSwatch)), QColor(c.red, c.green, c.blue));
}

void CSkinsDialog::chooseFolder(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= folders_.size()) return;
    // Look the folder up again by its exact name: it may have gone since the list was filled.
    const std::string& name = folders_[static_cast<std::size_t>(index)];
    std::error_code ec;
    if (!std::filesystem::is_directory(data_.skinsRoot() / name, ec)) return;
    choice_.name = name;
    nameBox_->setText(QString::fromStdString(name));
}

void CSkinsDialog::clickAt(QPoint point) {
    const int x = point.x(), y = point.y();
    if (const std::optional<int> button = buttons_.hit(x, y)) {
        if (*button == ok_) accept();
        else reject();
        return;
    }
    if (kNameClick.contains(x, y)) {
        list_->toggle();
        if (list_->list()) list_->list()->setStyleSheet(kControlStyle);
        return;
    }
    list_->close();  // a click elsewhere closes the list
    if (fromLayout(layout::kSkinsSwatch).contains(x, y)) {
        if (std::optional<platform::Rgb> colour = colours_.choose(choice_.textColour)) {
            choice_.textColour = *colour;
            ui::CMemDC dc(canvas_, this, &canvasCopies_);
            drawSwatch(dc.painter());
        }
    }
}

void CSkinsDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, canvas_);
}

void CSkinsDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) clickAt(event->position().toPoint());
}

void CSkinsDialog::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (!buttons_.needsRedraw(p.x(), p.y())) return;
    ui::CMemDC dc(canvas_, this, &canvasCopies_);
    dc.limitCopyTo(buttons_.track(p.x(), p.y(), dc.painter(), skin_));
}

}  // namespace tarvik
