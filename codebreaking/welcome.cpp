#include "codebreaking/welcome.h"

#include "assets/common/commonart.h"
#include "controls/anim.h"
#include "controls/formkit.h"
#include "platform/platform.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>

namespace codebreaking {

namespace {

constexpr int Margin = 8;
constexpr int Gap = 6;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

QLabel *makeText(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

TAnimated *pegDrop(QWidget *parent, QPoint at, const QString &caption)
{
    auto *peg = new TAnimated(parent);
    peg->setObjectName(QStringLiteral("Animated1"));
    peg->setGeometry(at.x(), at.y(), 32, 31);
    peg->setAccessibleCaption(caption);
    peg->SetInterval(700);
    peg->SetFrameCount(controls::art::PegDropFrames);
    peg->SetFrame(3);
    peg->SetPlay(true);
    peg->SetReverse(false);
    return peg;
}

TWelcomeBox::TWelcomeBox(platform::Platform &platform, bool &welcomeFlag, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_welcomeFlag(welcomeFlag)
{
    formkit::scaleWithGame(this);
    setObjectName(QStringLiteral("WelcomeBox"));
    setWindowTitle(tr("Welcome"));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setSizeGripEnabled(false);

    Animated1 = pegDrop(this, QPoint(Margin, Margin), tr("A peg dropping into its hole"));

    Label1 = makeText(this, "Label1", tr("Welcome to Pegora v2.3 !"));
    QFont bold = small;
    bold.setBold(true);
    Label1->setFont(bold);
    Label5 = makeText(this, "Label5",
                      tr("To win, you have to guess the secret color sequence the program choosed."));
    Label2 = makeText(this, "Label2",
                      tr("To do so, simply drag and drop the colors in the left-side spaces and then "
                                     "click on the Check button. The two numbers will tell you how many "
                                     "correctly placed color and how many incorrectly placed there are."));
    Label4 = makeText(this, "Label4",
                      tr("If you don't check Single Colors option there can be a sequence with a "
                                     "color repeated more than one time."));

    CheckBox1 = new QCheckBox(tr("Show this message when the program starts"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setAccessibleDescription(tr("Whether this welcome comes back at every start"));

    Button2 = new QPushButton(tr("More..."), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAccessibleDescription(tr("Opens the rules in the help"));
    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);

    connect(Button1, &QPushButton::clicked, this, &TWelcomeBox::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TWelcomeBox::Button2Click);

    // As read: the check box, then the buttons left to right.
    setTabOrder(CheckBox1, Button2);
    setTabOrder(Button2, Button1);

    arrange();
    Animated1->SetTimerRunning(false);
}

void TWelcomeBox::arrange()
{
    // The check box line does not wrap: with a wider font than the box was
    // drawn for, the box widens to keep it whole.
    const int clientWidth = std::max(ClientWidth, CheckBox1->sizeHint().width() + 2 * Margin);
    const int textWidth = clientWidth - 2 * Margin;

    // The heading beside the peg, level with its middle.
    const int headLeft = Animated1->geometry().right() + 1 + Margin;
    const int headWidth = clientWidth - Margin - headLeft;
    const int headNeeded = Label1->heightForWidth(headWidth);
    const int headHeight = headNeeded + headNeeded / std::max(1, Label1->fontMetrics().lineSpacing());
    Label1->setGeometry(headLeft, Animated1->y() + std::max(0, (Animated1->height() - headHeight) / 2), headWidth,
                        headHeight);

    // The sentences wrap within the box and take the height they need, and a
    // pixel a line more: at a zoom between whole font sizes the lines grow a
    // little faster than the box.
    int y = std::max(Animated1->geometry().bottom(), Label1->geometry().bottom()) + 1 + Margin;
    for (QLabel *text : {Label5, Label2, Label4}) {
        const int needed = text->heightForWidth(textWidth);
        const int h = needed + needed / std::max(1, text->fontMetrics().lineSpacing());
        text->setGeometry(Margin, y, textWidth, h);
        y += h + Gap;
    }
    const int textsEnd = y - Gap;

    // The check box and the buttons keep to the bottom; a larger font makes
    // the box taller rather than hide any text.
    const int checkHeight = std::max(CheckBox1->sizeHint().height(), 17);
    const int below = Margin + checkHeight + Margin + ButtonHeight + Margin;
    const int clientHeight = std::max(ClientHeight, textsEnd + below);
    const int checkTop = clientHeight - Margin - ButtonHeight - Margin - checkHeight;
    CheckBox1->setGeometry(Margin, checkTop, textWidth, checkHeight);

    const int buttonsLeft = (clientWidth - (2 * ButtonWidth + 2 * Margin)) / 2;
    const int buttonsTop = clientHeight - Margin - ButtonHeight;
    Button2->setGeometry(buttonsLeft, buttonsTop, ButtonWidth, ButtonHeight);
    Button1->setGeometry(buttonsLeft + ButtonWidth + 2 * Margin, buttonsTop, ButtonWidth, ButtonHeight);

    setFixedSize(clientWidth, clientHeight);
}

void TWelcomeBox::FormActivate() { CheckBox1->setChecked(m_welcomeFlag); }

void TWelcomeBox::Button1Click()
{
    m_welcomeFlag = CheckBox1->isChecked();
    accept();
}

void TWelcomeBox::Button2Click() { m_platform.help.showTopic(QStringLiteral("rules")); }

void TWelcomeBox::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        // Holding up only the board lets the help window opened by "More..."
        // take the mouse and keys; with no board to hold up, everything waits.
        setWindowModality(parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
        // In the middle of the screen, whether the board is shown yet or not.
        formkit::centreOnScreen(this);
    }
    QDialog::setVisible(visible);
}

void TWelcomeBox::showEvent(QShowEvent *event)
{
    // The strip is drawn the first time the box is opened, not at start-up.
    if (Animated1->BitMap().isNull()) {
        controls::art::registerPictures();
        Animated1->SetPicture(QString::fromLatin1(controls::art::PegDropStrip));
    }
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        // Shown anew, not merely brought back from another desktop: the
        // check box starts from the flag, and the keyboard from OK.
        FormActivate();
        Button1->setFocus(Qt::OtherFocusReason);
    }
    Animated1->SetTimerRunning(true);
}

void TWelcomeBox::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    Animated1->SetTimerRunning(false);
}

} // namespace codebreaking
