#include "CColorDlg.h"

#include "NamedColors.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>

CColorDlg::CColorDlg(QWidget* parent)
    : TemplateDialog(IDD, parent), m_staticPrompt(ControlAs<QLabel>(IDC_PROMPT)),
      m_listColors(ControlAs<QListWidget>(IDC_COLORS)) {
    SetEnterButton(IDC_OK);
    OnClicked(IDC_OK, [this] { OnOK(); });
    connect(m_listColors, &QListWidget::itemSelectionChanged, this, [this] { OnSelChange(); });
    OnInitDialog();
}

void CColorDlg::OnInitDialog() {
    for (const char* name : g_colorNames)
        m_colorNames.append(QString::fromLatin1(name));
    for (int row = 0; row < m_colorNames.size(); ++row)
        m_listColors->insertItem(row, m_colorNames.at(row));
}

int CColorDlg::SelectedRow() const {
    const QList<QListWidgetItem*> selected = m_listColors->selectedItems();
    return selected.isEmpty() ? -1 : m_listColors->row(selected.constFirst());
}

void CColorDlg::OnSelChange() {
    const int row = SelectedRow();
    // With nothing selected (Ctrl+click on the selected row) nothing is shown.
    m_swatchColor = row < 0 ? QColor() : ColorFromColorRef(g_colorValues[row]);
    // The swatch lies under the prompt's first line: keep that line readable.
    QPalette prompt = palette();
    if (m_swatchColor.isValid())
        prompt.setColor(QPalette::WindowText,
                        qGray(m_swatchColor.rgb()) < 128 ? Qt::white : Qt::black);
    m_staticPrompt->setPalette(prompt);
    update();
}

// The swatch has the prompt's size and sits at the dialog's top-left corner.
// Painted here rather than once at the change, it survives every repaint.
void CColorDlg::paintEvent(QPaintEvent* event) {
    TemplateDialog::paintEvent(event);
    if (!m_swatchColor.isValid())
        return;
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(0, 0), m_staticPrompt->size()), m_swatchColor);
}

void CColorDlg::OnOK() {
    const int row = SelectedRow();
    // With nothing selected nothing was chosen: end as a close would, so the
    // caller keeps what it had.
    if (row < 0) {
        reject();
        return;
    }
    m_strColor = m_colorNames.at(row);
    accept();
}
