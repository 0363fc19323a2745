#include "DialogBuilder.h"

#include "DialogTemplate.h"
#include "DialogUnits.h"
#include "Images.h"
#include "ReportRowDelegate.h"
#include "WholeRectButton.h"

#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <limits>

namespace {

QWidget* MakePicture(const ControlTemplate& control, QWidget* parent) {
    auto* label = new QLabel(parent);
    const QPixmap picture(ImageResourcePath(control.image));
    // An icon the program does not have shows the application's own.
    label->setPixmap(picture.isNull() && (control.style & SS_TYPEMASK) == SS_ICON
                         ? QPixmap(ImageResourcePath(IDI_MAINFRAME))
                         : picture);
    return label;
}

QWidget* MakeStatic(const ControlTemplate& control, QWidget* parent) {
    const std::uint32_t type = control.style & SS_TYPEMASK;
    if (type == SS_ICON || type == SS_BITMAP)
        return MakePicture(control, parent);
    auto* label = new QLabel(QString::fromUtf8(control.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* MakeButton(const ControlTemplate& control, QWidget* parent) {
    const QString text = QString::fromUtf8(control.text);
    const std::uint32_t type = control.style & BS_TYPEMASK;
    if (type == BS_AUTORADIOBUTTON) {
        // Each radio button is a group of its own; the page keeps them exclusive.
        // A click always checks an auto radio button, even a checked one.
        auto* radio = new WholeRectButton<QRadioButton>(text, parent);
        radio->setAutoExclusive(false);
        QObject::connect(radio, &QRadioButton::clicked, radio,
                         [radio] { radio->setChecked(true); });
        return radio;
    }
    auto* button = new WholeRectButton<QPushButton>(text, parent);
    button->setAutoDefault(false);
    button->setDefault(type == BS_DEFPUSHBUTTON);
    return button;
}

QWidget* MakeListView(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setColumnCount(0);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(false);
    list->setItemDelegate(new ReportRowDelegate(*list));
    return list;
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent) {
    switch (control.controlClass) {
    case ControlClass::Static:
        return MakeStatic(control, parent);
    case ControlClass::Button:
        return MakeButton(control, parent);
    case ControlClass::Edit: {
        // Kinetara sets no limit of its own on a text; Qt's default is 32767.
        auto* edit = new QLineEdit(parent);
        edit->setMaxLength(std::numeric_limits<int>::max());
        return edit;
    }
    case ControlClass::ComboBox:
        return new QComboBox(parent);
    case ControlClass::ListBox:
        return new QListWidget(parent);
    case ControlClass::ListView:
        return MakeListView(parent);
    }
    return nullptr;
}

// The texts were fitted to the templates' own font; where the font at hand
// runs wider, a label's text steps down in size rather than lose its end.
void FitLabelText(QLabel& label) {
    constexpr qreal kSmallestPointSize = 6.0;
    QFont font = label.font();
    const auto fits = [&] {
        const QRect needed =
            QFontMetrics(font).boundingRect(QRect(0, 0, label.width(), QWIDGETSIZE_MAX),
                                            Qt::AlignLeft | Qt::TextWordWrap, label.text());
        return needed.width() <= label.width() && needed.height() <= label.height();
    };
    while (!fits() && font.pointSizeF() > kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label.setFont(font);
}

// A combo box's template height includes its dropped-down list; closed, it is
// as tall as the toolkit draws it. A picture takes its own size.
QRect PlaceControl(const ControlTemplate& control, const DialogUnits& units, QWidget* widget) {
    QRect rect = units.ToPixels(control.x, control.y, control.cx, control.cy);
    if (control.controlClass == ControlClass::ComboBox)
        rect.setHeight(widget->sizeHint().height());
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull()) {
        if ((control.style & SS_TYPEMASK) == SS_BITMAP)
            rect.setSize(label->pixmap().size());
        else
            label->setAlignment(Qt::AlignCenter);
    }
    return rect;
}

// The templates were drawn for a narrow Windows font; where it is missing, a
// font of like width keeps their labels on the lines they were drawn for.
QString DialogFontFamily(const DialogTemplate& dialogTemplate) {
    const QString family = QString::fromUtf8(dialogTemplate.fontName);
    if (QFontDatabase::hasFamily(family))
        return family;
    for (const char* alike : {"Liberation Sans", "Arimo", "Arial"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(alike)))
            return QString::fromLatin1(alike);
    }
    return family;
}

} // namespace

QHash<int, QWidget*> BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate) {
    QFont font(DialogFontFamily(dialogTemplate), dialogTemplate.pointSize);
    font.setStyleHint(QFont::SansSerif);
    dialog.setFont(font);
    dialog.setWindowTitle(QString::fromUtf8(dialogTemplate.caption));
    // A template for the taskbar is an ordinary top-level window: window
    // managers list it. The others are dialogs, transient for the program.
    const Qt::WindowType kind = dialogTemplate.exStyle & WS_EX_APPWINDOW ? Qt::Window : Qt::Dialog;
    dialog.setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    const DialogUnits units(dialog.font());
    dialog.setFixedSize(units.ToPixelsX(dialogTemplate.cx), units.ToPixelsY(dialogTemplate.cy));

    QHash<int, QWidget*> controls;
    QWidget* previous = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = MakeControl(control, &dialog);
        widget->setGeometry(PlaceControl(control, units, widget));
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull())
            FitLabelText(*label);
        widget->setProperty("controlId", control.id);
        const bool tabStop = control.style & WS_TABSTOP;
        widget->setFocusPolicy(
            tabStop ? Qt::StrongFocus
                    : (qobject_cast<QRadioButton*>(widget) ? Qt::ClickFocus : Qt::NoFocus));
        if (previous && tabStop)
            QWidget::setTabOrder(previous, widget);
        if (tabStop)
            previous = widget;
        if (control.id != -1)
            controls.insert(control.id, widget);
    }
    return controls;
}
