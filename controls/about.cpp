#include "controls/about.h"

#include "controls/devicepixels.h"
#include "controls/formkit.h"
#include "controls/tcolor.h"
#include "controls/urllabel.h"
#include "platform/platform.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QSysInfo>

#include <algorithm>

namespace {

const char GivenWidth[] = "aboutGivenWidth";
const char GivenHeight[] = "aboutGivenHeight";

QFont pixelFont(const QFont &base, int pixels)
{
    QFont f = base;
    f.setPixelSize(pixels);
    return f;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

QString aboutPlatformLine(const QString &kernelType, const QString &productType, const QString &windowSystem)
{
    QString system;
    const QString product = productType.toLower();
    const QString kernel = kernelType.toLower();
    if (product == QLatin1String("windows") || kernel == QLatin1String("winnt"))
        system = QStringLiteral("Windows");
    else if (product == QLatin1String("macos") || product == QLatin1String("osx"))
        system = QStringLiteral("macOS");
    else if (kernel == QLatin1String("linux"))
        system = QStringLiteral("Linux");
    else if (kernel == QLatin1String("freebsd"))
        system = QStringLiteral("FreeBSD");
    else if (kernel == QLatin1String("netbsd"))
        system = QStringLiteral("NetBSD");
    else if (kernel == QLatin1String("openbsd"))
        system = QStringLiteral("OpenBSD");
    else if (!kernelType.isEmpty())
        system = kernelType.left(1).toUpper() + kernelType.mid(1);
    else
        system = TAboutBox::tr("this computer");

    // Only the window systems that a user would recognise by name; the
    // native ones go without saying.
    QString windows;
    const QString ws = windowSystem.toLower();
    if (ws == QLatin1String("xcb"))
        windows = QStringLiteral("X11");
    else if (ws.startsWith(QLatin1String("wayland")))
        windows = QStringLiteral("Wayland");

    //: The About box's line of the system the game runs on: "for Linux / X11"
    //: (%1 the system, %2 the window system) or "for Linux".
    if (!windows.isEmpty())
        return TAboutBox::tr("for %1 / %2").arg(system, windows);
    return TAboutBox::tr("for %1").arg(system);
}

QString aboutPlatformLine()
{
    return aboutPlatformLine(QSysInfo::kernelType(), QSysInfo::productType(), QGuiApplication::platformName());
}

// --- TBevel ---

TBevel::TBevel(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

bool TBevel::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        devicepixels::keepDesignedSize(this);
    return QWidget::event(event);
}

void TBevel::paintEvent(QPaintEvent *)
{
    // Etched: a shadow line with a highlight just below it, in whole device
    // pixels, as thick as the dialog is zoomed.
    QPainter p(this);
    const qreal ratio = devicepixels::ratioOf(p);
    QImage picture = devicepixels::canvas(size(), ratio);
    const int line = devicepixels::Grid(devicepixels::designedSize(this), picture.size()).thickY(1);
    {
        QPainter g(&picture);
        const QPalette &pal = palette();
        g.fillRect(0, 0, picture.width(), line, pal.color(QPalette::Dark));
        g.fillRect(0, line, picture.width(), line, pal.color(QPalette::Light));
    }
    devicepixels::put(p, picture, ratio);
}

// --- TAboutPanel ---

TAboutPanel::TAboutPanel(QWidget *parent) : Clickable(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setFocusPolicy(Qt::TabFocus);
}

void TAboutPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        event->accept();
        emit keyActivated();
        return;
    }
    // Return and Escape go on to the dialog: OK and close.
    QFrame::keyPressEvent(event);
}

void TAboutPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(2, 2, -2, -2);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

// --- TAboutBox ---

TAboutBox::TAboutBox(platform::Platform &platform, QWidget *parent)
    : QDialog(parent), m_platform(platform)
{
    formkit::scaleWithGame(this);
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setFont(pixelFont(font(), 11));
    setSizeGripEnabled(false);
    setFixedSize(ClientWidth, ClientHeight);

    Label1 = makeLabel(this, "Label1", tr("App Name"));
    QFont title = pixelFont(font(), 16);
    title.setBold(true);
    title.setUnderline(true);
    Label1->setFont(title);
    formkit::setTextColor(Label1, clNavy);
    placeLabel(Label1, 90, 20, 84, 20);

    Label2 = makeLabel(this, "Label2", aboutPlatformLine());
    placeLabel(Label2, 90, 50, 146, 13);
    Label5 = makeLabel(this, "Label5", tr("Version 1.0"));
    placeLabel(Label5, 90, 70, 53, 13);
    Label8 = makeLabel(this, "Label8", tr("Last modify: 1-1-98"));
    placeLabel(Label8, 90, 100, 89, 13);

    Bevel2 = new TBevel(this);
    Bevel2->setObjectName(QStringLiteral("Bevel2"));
    Bevel2->setGeometry(90, 125, 171, 11);

    Label3 = makeLabel(this, "Label3", tr("© 2026 the Table Games team"));
    placeLabel(Label3, 90, 135, 162, 13);

    Label6 = makeLabel(this, "Label6", tr("E-mail:"));
    placeLabel(Label6, 13, 190, 31, 13);
    QFont link = pixelFont(font(), 11);
    link.setUnderline(true);
    URLLabel1 = new TURLLabel(platform.shell, this);
    URLLabel1->setObjectName(QStringLiteral("URLLabel1"));
    URLLabel1->SetLabelType(hmMAIL);
    URLLabel1->SetFont(link, clBlue);
    URLLabel1->SetCaption(QString::fromUtf16(about::MailAddress));
    Label6->setBuddy(URLLabel1);

    Label7 = makeLabel(this, "Label7", tr("URL:"));
    placeLabel(Label7, 13, 209, 25, 13);
    URLLabel2 = new TURLLabel(platform.shell, this);
    URLLabel2->setObjectName(QStringLiteral("URLLabel2"));
    URLLabel2->SetLabelType(hmHTTP);
    URLLabel2->SetFont(link, clBlue);
    URLLabel2->SetCaption(QString::fromUtf16(about::WebAddress));
    Label7->setBuddy(URLLabel2);

    // The links keep the captions' gap before them, whatever the font.
    const int captions = std::max(Label6->sizeHint().width(), Label7->sizeHint().width());
    const int linkLeft = std::max(51, 13 + captions + 7);
    URLLabel1->move(linkLeft, 189);
    URLLabel2->move(linkLeft, 208);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(99, 239, 75, 22);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);

    Panel1 = new TAboutPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(10, 15, 66, 61);

    setTabOrder(OKButton, Panel1);
}

void TAboutBox::OKButtonClick() { accept(); }

void TAboutBox::placeLabel(QLabel *label, int left, int top, int width, int height)
{
    label->setProperty(GivenWidth, width);
    label->setProperty(GivenHeight, height);
    label->move(left, top);
    setLabelWidth(label, width);
}

void TAboutBox::setLabelWidth(QLabel *label, int width)
{
    label->setProperty(GivenWidth, width);
    const QSize need = label->sizeHint();
    const int room = std::max(1, this->width() - label->x());
    label->resize(std::min(std::max(width, need.width()), room),
                  std::max(label->property(GivenHeight).toInt(), need.height()));
}

void TAboutBox::describeGame(const QString &name, int nameWidth, const QString &version, const QString &lastChange,
                             int lastChangeWidth)
{
    setLabelText(Label1, name);
    setLabelWidth(Label1, nameWidth);
    setLabelText(Label5, version);
    setLabelText(Label8, lastChange);
    if (lastChangeWidth > 0)
        setLabelWidth(Label8, lastChangeWidth);
}

void TAboutBox::setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    setLabelWidth(label, label->property(GivenWidth).toInt());
}

void TAboutBox::setClientWidth(int width) { setFixedSize(width, ClientHeight); }

void TAboutBox::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        // In the middle of the screen, whatever window it belongs to.
        formkit::centreOnScreen(this);
    }
    QDialog::setVisible(visible);
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Each showing starts on OK, the first in the tab order.
    OKButton->setFocus(Qt::OtherFocusReason);
}
