// The main window: start-up order, region dispatch, pages, tray and notices.
#include "app/CPellorDlg.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSocketNotifier>
#include <QToolTip>
#include <QWindowStateChangeEvent>

#include <algorithm>

#include "app/BasicPage.h"
#include "app/HelpPage.h"
#include "performance/DpiTables.h"
#include "ui/SkinLayout.h"
#include "ui/qt/SkinnedDialog.h"

namespace tarvik {
namespace {

using ui::toQString;

}  // namespace

CPellorDlg::CPellorDlg(ShellServices services, RecordPair& records) : s_(std::move(services)), records_(records) {
    bridge_ = std::make_unique<NoticeBridge>(
        this, [this](int code, int value) { OnDeviceNotice(code, value); },
        [this](const std::string& text, const std::string& caption) { s_.messages.show(text, caption); },
        [this](const std::string& line) { s_.debugLog(line); });
    s_.device.attachSink(*bridge_);
    s_.data.attachSink(*bridge_);
    setWindowTitle(QString::fromUtf8(kWindowTitle));
    setMouseTracking(true);  // hover states follow the pointer without any timer
    resize(layout::kMainWindow.width, layout::kMainWindow.height);
    canvas_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    canvas_.fill(Qt::black);
    pages_[static_cast<int>(PageState::Basic)] = std::make_unique<BasicPage>(
        BasicPageServices{this, records_.current, captions_, s_.data, s_.device, s_.messages, s_.colors,
                          [this]() -> ParameterDialogs& { return *dialogs_; },
                          [this](const std::function<void(QPainter&)>& draw) { paintOnCanvas(draw); }});
}

void CPellorDlg::paintOnCanvas(const std::function<void(QPainter&)>& draw) {
    ui::CMemDC dc(canvas_, this, &canvasCopies_);
    draw(dc.painter());
}

CPellorDlg::~CPellorDlg() { teardown(); }

CPellorDlg::InitResult CPellorDlg::OnInitDialog() {
    // 1. one copy per user; a second start asks the first to show its window, then ends
    if (!s_.instance.acquire(kInstanceLock)) {
        s_.instance.callOwner(kInstanceLock);
        return InitResult::AlreadyRunning;
    }
    // 2-4. a frameless window; without a taskbar button only where the tray can bring it back
    hasTray_ = s_.tray.available();
    Qt::WindowFlags flags = Qt::FramelessWindowHint | Qt::Window;
    if (hasTray_) flags |= Qt::Tool;
    setWindowFlags(flags);
    // 5. the tray icon
    if (hasTray_) {
        s_.tray.show(kTrayTip, *this);
        s_.tray.setMenuText(text(TextRow::Exit));
    }
    // The page images decode on another core while the handshake below waits for the mouse.
    if (const auto folder = s_.data.skinFolderHint(); !folder.empty())
        skin_.cache.prefetch({folder / "main.png", folder / "BasicSet2.png"});
    // 6. discovery and handshake (MouseFound or MouseNotFound comes through the sink)
    s_.device.findAndHandshake();
    // 7-8. the wake-up event and the listener, running only once the mouse is there
    s_.device.createListener();
    if (s_.device.connected()) s_.device.resumeListener();
    // 9. arrival and removal notices
    startHotplug();
    // 10. "config.bin" and its saved snapshot
    s_.data.loadConfig(records_);
    // 11. the language, then the interface settings of that language
    s_.data.loadLanguage();
    s_.tray.setMenuText(text(TextRow::Exit));
    languageKnown_ = true;
    for (const auto& [code, value] : std::exchange(heldNotices_, {})) OnDeviceNotice(code, value);
    skinChoice_ = s_.data.loadInterfaceSettings();
    captions_ = s_.data.captions();
    // 12-13. the skin: background, window size, shared drawing state
    loadSkin();
    // 14. fonts
    const LanguageFonts fonts = s_.data.fonts();
    skin_.textFont = ui::toQFont(fonts.text);
    skin_.titleFont = ui::toQFont(fonts.title);
    setUpHoverButtons();
    // 15. the Basic page when the mouse is there; else, in its place, why it is not and what to do
    buildPage(PageState::Basic);
    if (const int fd = s_.instance.callFd(); fd >= 0) {
        secondStarts_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(secondStarts_.get(), &QSocketNotifier::activated, this, [this] {
            if (s_.instance.takeCalls()) OnSecondStart();
        });
    }
    return InitResult::Ready;
}

void CPellorDlg::startHotplug() {
    const int fd = s_.device.monitorFd();
    if (fd < 0) {
        // The program still works without hotplug; the user must restart it after a replug.
        s_.messages.show("RegisterDeviceNotification failed!!!", "");
        return;
    }
    hotplug_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(hotplug_.get(), &QSocketNotifier::activated, this, [this] { OnMouseChange(s_.device.serviceMonitor()); });
}

void CPellorDlg::OnMouseChange(DeviceSession::Change change) {
    if (change == DeviceSession::Change::Lost) hideWindow();
    if (change == DeviceSession::Change::Found) refreshBasic();
}

void CPellorDlg::OnSecondStart() {
    comeBack();
    showAgain();
}

void CPellorDlg::loadSkin() {
    skin_.folder = s_.data.skinFolder(skinChoice_.name);
    skin_.textColor = QColor(skinChoice_.textColor.red, skinChoice_.textColor.green, skinChoice_.textColor.blue);
    const QImage* background = skin_.cache.get(skin_.folder / "main.png");
    if (!background) return;  // a missing image is skipped: the canvas stays as it is
    canvas_ = background->convertToFormat(QImage::Format_ARGB32_Premultiplied);
    resize(canvas_.size());
    setFixedSize(canvas_.size());
}

void CPellorDlg::setUpHoverButtons() {
    hover_ = {};
    for (const TitleBarRow& row : kTitleBarRegions) {
        if (row.normalImage.empty()) continue;
        hover_.add({row.rect, std::string(row.normalImage), std::string(row.overImage),
                    row.captionRow ? toQString(text(*row.captionRow)) : QString()});
    }
}

void CPellorDlg::setPage(PageState page, std::unique_ptr<ShellPage> content) {
    pages_[static_cast<int>(page)] = std::move(content);
}

void CPellorDlg::buildPage(PageState page) {
    if (pageState_ == page) return;
    const PageState previous = pageState_;
    pageState_ = page;
    if (ShellPage* old = pages_[static_cast<int>(previous)].get()) old->destroyControls();
    if (page == PageState::Basic && !initialSyncDone_ && s_.device.connected()) {
        s_.device.syncSensorSettings();
        // A first run starts from the default captions, in the interface language.
        if (s_.data.firstRun()) {
            captions_ = defaultCaptions(TextCatalogue(s_.data.language()));
            s_.data.saveCaptions(captions_);
        }
        initialSyncDone_ = true;
    }
    drawPage();
}

// Without a usable mouse the Basic tab says why and what to do instead of showing the page.
std::optional<DialogText> CPellorDlg::noteForMouse() const {
    if (s_.device.connected()) return std::nullopt;
    return s_.device.lastScan() == MouseScan::NotOpenable ? DialogText::MouseNotOpenableNote : DialogText::NoMouseNote;
}

// The Basic tab rebuilt when the mouse came or went since it was drawn.
void CPellorDlg::refreshBasic() {
    if (pageState_ != PageState::Basic || basicNote_ == noteForMouse()) return;
    if (ShellPage* basic = page(PageState::Basic)) basic->destroyControls();
    pageState_ = PageState::None;
    buildPage(PageState::Basic);
}

ShellPage* CPellorDlg::activePage() const {
    if (basicNote_) return nullptr;  // the note has no controls
    return pages_[static_cast<int>(pageState_)].get();
}

// The note's first paragraph is its heading, in the title font; the rest follows in the text font.
void CPellorDlg::drawNote(QPainter& painter, DialogText note) {
    const std::string_view message = dialogText(note, s_.data.language());
    const QString text = toQString(message);
    const qsizetype split = text.indexOf(QStringLiteral("\n\n"));
    const QString heading = split < 0 ? text : text.left(split);
    const QString body = split < 0 ? QString() : text.mid(split + 2);
    const layout::Rect place = layout::kNoteBox;
    QRect box(place.left, place.top, place.width(), place.height());
    constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    painter.save();
    painter.setPen(skin_.textColor);
    painter.setFont(skin_.titleFont);
    const QRect used = painter.boundingRect(box, flags, heading);
    painter.drawText(box, flags, heading);
    box.setTop(used.bottom() + layout::kNoteBodyGap);
    painter.setFont(skin_.textFont);
    painter.drawText(box, flags, body);
    painter.restore();
    std::string line(message);
    std::replace(line.begin(), line.end(), '\n', ' ');
    s_.debugLog("page note: " + line);
}

void CPellorDlg::drawPage() {
    ui::CMemDC dc(canvas_, this, &canvasCopies_);
    QPainter& p = dc.painter();
    const bool basic = pageState_ == PageState::Basic;
    basicNote_ = basic ? noteForMouse() : std::nullopt;
    // The note stands on the bare background: none of the Basic page's boxes it replaces.
    DrawSkinImage(p, skin_, basicNote_ ? "/main.png" : basic ? "/BasicSet2.png" : "/AdvancedSet2.png", 0, 0);
    hover_.drawAllNormal(p, skin_);
    const layout::Rect t = layout::kPageTitle;
    p.setFont(skin_.titleFont);
    p.setPen(skin_.textColor);
    p.drawText(QRect(t.left, t.top, t.width(), t.height()), Qt::AlignLeft | Qt::AlignVCenter,
               toQString(text(basic ? TextRow::BasicSettings : TextRow::AdvancedSettings)));
    const layout::Rect w = layout::kWebLinkText;
    p.setFont(skin_.textFont);
    // The help page is a local file whose path says little and does not fit: a label instead.
    const QString link = p.fontMetrics().elidedText(
        ui::toQString(dialogText(DialogText::HelpLinkLabel, s_.data.language())), Qt::ElideRight, w.width());
    p.drawText(QRect(w.left, w.top, w.width(), w.height()), Qt::AlignLeft | Qt::AlignVCenter, link);
    drawTitleNote(p);
    if (basicNote_) drawNote(p, *basicNote_);
    else if (ShellPage* content = activePage()) content->build(p, skin_);
}

// The window has no frame, so a title that says more than the program's name (the recorder's
// "Press Ctrl+Break key to stop recording") is drawn in the free strip of the skin's title bar.
void CPellorDlg::drawTitleNote(QPainter& painter) {
    if (pageState_ == PageState::None) return;
    const QRect strip = ui::toQRect(layout::kTitleNote);
    painter.save();
    painter.setClipRect(strip);
    DrawSkinImage(painter, skin_, pageState_ == PageState::Basic ? "/BasicSet2.png" : "/AdvancedSet2.png", 0, 0);
    if (windowTitle() != QString::fromUtf8(kWindowTitle)) {
        painter.setFont(skin_.textFont);
        painter.setPen(skin_.textColor);
        painter.drawText(strip, Qt::AlignCenter, windowTitle());
    }
    painter.restore();
}

void CPellorDlg::changeEvent(QEvent* event) {
    // Un-minimised from the taskbar: without a tray this is how the window comes back.
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) &&
        !(windowState() & Qt::WindowMinimized)) {
        comeBack();
    }
    if (event->type() == QEvent::WindowTitleChange && !canvas_.isNull() && pageState_ != PageState::None) {
        ui::CMemDC dc(canvas_, this, &canvasCopies_);
        drawTitleNote(dc.painter());
    }
    QWidget::changeEvent(event);
}

// The installed help page, or the source tree's README for a program run from its build folder.
void CPellorDlg::openHelpPage() {
    if (const auto page = findHelpPage(helpPagePlaces())) {
        s_.urls.open(fileAddress(*page));
        return;
    }
    const QString missing = ui::toQString(dialogText(DialogText::HelpPageMissing, s_.data.language()));
    s_.messages.show(missing.arg(QString::fromStdString(helpPagePlaces().front().string())).toStdString(), {});
}

// The pointer resting over the page: the page's tip for that place, if it has one.
bool CPellorDlg::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const ShellPage* page = activePage();
    const QString tip = page ? page->toolTipAt(help->pos().x(), help->pos().y()) : QString();
    if (tip.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), tip, this);
    return true;
}

void CPellorDlg::OnLButtonDown(QPoint point) {
    const std::vector<TitleBarRegion> hits = regionsAt(point.x(), point.y());
    if (hits.empty()) {
        if (ShellPage* page = activePage()) page->click(point.x(), point.y());
        return;
    }
    for (TitleBarRegion region : hits) {
        runRegion(region);
        if (tornDown_) return;
    }
}

void CPellorDlg::runRegion(TitleBarRegion region) {
    switch (region) {
    case TitleBarRegion::Ok:
        if (!s_.device.connected()) return;
        applyAndCommit();
        hideWindow();
        return;
    case TitleBarRegion::Apply:
        if (s_.device.connected()) applyAndCommit();
        return;
    case TitleBarRegion::Cancel:
        records_.revert();
        pageReloadPending_ = true;
        hideWindow();
        return;
    case TitleBarRegion::Skins: openSkinsDialog(); return;
    case TitleBarRegion::Hide: hideWindow(); return;
    case TitleBarRegion::Exit: exitProgram(); return;
    case TitleBarRegion::BasicTab: buildPage(PageState::Basic); return;
    case TitleBarRegion::AdvancedTab: buildPage(PageState::Advanced); return;
    case TitleBarRegion::WebLink: openHelpPage(); return;
    }
}

void CPellorDlg::applyAndCommit() {
    s_.device.applySettings(records_.current);
    // The captions are saved after "config.bin", as the last step of every apply.
    s_.data.saveCaptions(captions_);
    records_.commit();
    if (s_.applyPointerSettings) s_.applyPointerSettings(records_.current);
}

void CPellorDlg::openSkinsDialog() {
    if (!runSkinsDialog) return;
    const std::optional<SkinChoice> chosen = runSkinsDialog(skinChoice_);
    if (!chosen) return;
    skinChoice_ = *chosen;
    s_.data.saveSkinChoice(skinChoice_);
    skin_.folder = s_.data.skinFolder(skinChoice_.name);
    skin_.textColor = QColor(skinChoice_.textColor.red, skinChoice_.textColor.green, skinChoice_.textColor.blue);
    // Rebuild the page that is shown with the new images; "/main.png" stays as loaded.
    const PageState shown = pageState_;
    if (shown != PageState::None) {
        pageState_ = PageState::None;
        buildPage(shown);
    }
    raise();
    activateWindow();
}

void CPellorDlg::hideWindow() {
    if (hasTray_) hide();
    else showMinimized();  // keeps the taskbar entry, the only way back without a tray
}

void CPellorDlg::exitProgram() {
    teardown();
    if (s_.exitProcess) s_.exitProcess(0);
}

void CPellorDlg::teardown() {
    if (tornDown_) return;
    tornDown_ = true;
    bridge_->close();  // a notice in flight must not hold the listener while we stop it
    hotplug_.reset();
    s_.device.teardown();
    if (hasTray_) s_.tray.remove();
}

void CPellorDlg::OnDeviceNotice(int code, int value) {
    if (!languageKnown_) {
        heldNotices_.emplace_back(code, value);
        return;
    }
    const std::optional<Balloon> balloon = balloonFor(code, value, *this);
    if (!balloon) return;
    s_.debugLog(balloonLogLine(code, value, *balloon));
    if (hasTray_) s_.tray.balloon(balloon->title, balloon->text, balloon->timeoutMs);
    else s_.notifier.notify(balloon->title, balloon->text, balloon->timeoutMs);
}

void CPellorDlg::trayClicked() {
    if (!s_.device.connected()) {
        OnDeviceNotice(noticeNumber(NoticeCode::MouseNotFound), 0);  // the window stays hidden
        return;
    }
    comeBack();
    showAgain();
}

// Every way back (tray, taskbar, a second start) shows the record as Cancel left it: the page
// that is shown and its captions rebuilt, and the Basic page once the mouse is there.
void CPellorDlg::comeBack() {
    if (pageReloadPending_) {
        pageReloadPending_ = false;
        const PageState shown = pageState_ == PageState::None ? PageState::Basic : pageState_;
        if (shown == PageState::Basic) {
            // Cancel kept the edited captions in memory; they fall back to those last saved.
            s_.data.reloadInterfaceSettings();
            captions_ = s_.data.captions();
        }
        pageState_ = shown == PageState::Basic ? PageState::Advanced : PageState::Basic;
        buildPage(shown);
    } else if (!initialSyncDone_ && s_.device.connected()) {
        buildPage(PageState::Basic);
    }
    refreshBasic();
}

void CPellorDlg::showAgain() {
    showNormal();
    raise();
    activateWindow();
}

void CPellorDlg::trayExitChosen() { exitProgram(); }

std::string CPellorDlg::text(TextRow row) const { return s_.data.text(row); }

std::string CPellorDlg::dpiName(int stage) const {
    if (stage < 1 || stage > static_cast<int>(kDpiStageCount)) return {};
    const auto level = records_.current.dpiLevel[static_cast<std::size_t>(stage - 1)];
    return std::string(DpiLabel(static_cast<std::uint8_t>(s_.device.sensorType()), level));
}

void CPellorDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, canvas_);
}

void CPellorDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint point = event->position().toPoint();
    if (isDragPoint(point.x(), point.y())) {
        dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        return;
    }
    OnLButtonDown(point);
}

void CPellorDlg::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *dragOffset_);
        return;
    }
    const QPoint point = event->position().toPoint();
    trackHover(point.x(), point.y());
}

void CPellorDlg::trackHover(int x, int y) {
    ShellPage* page = activePage();
    const bool pageChanges = page && page->hoverChanges(x, y);
    if (!hover_.needsRedraw(x, y) && !pageChanges) return;
    ui::CMemDC dc(canvas_, this, &canvasCopies_);
    QRect changed = hover_.track(x, y, dc.painter(), skin_);
    if (pageChanges) changed |= page->hover(x, y, dc.painter(), skin_);
    dc.limitCopyTo(changed);
}

void CPellorDlg::mouseReleaseEvent(QMouseEvent*) { dragOffset_.reset(); }

void CPellorDlg::leaveEvent(QEvent*) { trackHover(-1, -1); }

void CPellorDlg::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        hideWindow();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CPellorDlg::closeEvent(QCloseEvent* event) {
    event->ignore();  // closing only hides; the program ends through Exit
    hideWindow();
}

}  // namespace tarvik
