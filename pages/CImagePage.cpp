#include "CImagePage.h"

#include "CAboutDlg.h"
#include "CModePage.h"
#include "ImageLimit.h"
#include "Images.h"
#include "Messages.h"
#include "Platform.h"
#include "ScratchFiles.h"
#include "Strings.h"
#include "WindowMenu.h"

#include <QLineEdit>
#include <QTreeWidget>

CImagePage::CImagePage()
    : WizardPage(IDD, IDC_NEXT), m_listImages(ControlAs<QTreeWidget>(IDC_LIST)),
      m_editImage(ControlAs<QLineEdit>(IDC_IMAGE)), m_hAppIcon(ImageResourcePath(IDI_MAINFRAME)),
      m_windowMenu(new WindowMenu(this)) {
    connect(m_windowMenu, &WindowMenu::CommandChosen, this,
            [this](unsigned id) { OnSysCommand(id); });
    OnClicked(IDC_ADD, [this] { OnAdd(); });
    OnClicked(IDC_UP, [this] { OnUp(); });
    OnClicked(IDC_DOWN, [this] { OnDown(); });
    OnClicked(IDC_REMOVE, [this] { OnRemove(); });
    OnClicked(IDC_NEXT, [this] { OnNext(); });
    OnInitDialog();
}

void CImagePage::OnInitDialog() {
    AddAboutCommand();
    setWindowIcon(m_hAppIcon);
    m_listImages->setHeaderLabels({tr("Order"), tr("Image")});
    m_listImages->setColumnWidth(ColumnOrder, 100);
    m_listImages->setColumnWidth(ColumnImage, 100);
}

void CImagePage::AddAboutCommand() {
    const QString aboutText = LoadString(IDS_ABOUTBOX);
    if (aboutText.isEmpty())
        return;
    m_windowMenu->AppendSeparator();
    m_windowMenu->AppendCommand(IDM_ABOUTBOX, aboutText);
}

void CImagePage::OnSysCommand(unsigned nID, qintptr /*lParam*/) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.exec();
    } else if ((nID & 0xFFF0) == WindowMenu::SC_CLOSE) {
        close();
    }
}

void CImagePage::OnAdd() {
    const QString image = m_editImage->text();
    if (image.isEmpty()) {
        Platform::ShowMessage(this, IDS_NEED_IMAGE);
        return;
    }
    // A line break would split the image into two records of the list file.
    if (image.contains(u'\n') || image.contains(u'\r')) {
        Platform::ShowMessage(this, MessageText(Message::ImageHoldsLineBreak));
        return;
    }
    const int count = m_listImages->topLevelItemCount();
    auto* row = new QTreeWidgetItem({QString::number(count), image});
    row->setFlags(row->flags() & ~Qt::ItemIsEditable);
    m_listImages->insertTopLevelItem(count, row);
}

int CImagePage::FirstSelectedRow() const {
    for (int row = 0; row < m_listImages->topLevelItemCount(); ++row) {
        if (m_listImages->topLevelItem(row)->isSelected())
            return row;
    }
    return -1;
}

void CImagePage::SwapImageTexts(int row, int otherRow) {
    QTreeWidgetItem* first = m_listImages->topLevelItem(row);
    QTreeWidgetItem* second = m_listImages->topLevelItem(otherRow);
    const QString text = first->text(ColumnImage);
    first->setText(ColumnImage, second->text(ColumnImage));
    second->setText(ColumnImage, text);
    m_listImages->setFocus();
}

void CImagePage::OnUp() {
    const int row = FirstSelectedRow();
    if (row > 0)
        SwapImageTexts(row - 1, row);
}

void CImagePage::OnDown() {
    const int row = FirstSelectedRow();
    if (row >= 0 && row + 1 < m_listImages->topLevelItemCount())
        SwapImageTexts(row, row + 1);
}

void CImagePage::OnRemove() {
    const int row = FirstSelectedRow();
    if (row >= 0)
        delete m_listImages->takeTopLevelItem(row);
}

void CImagePage::OnNext() {
    const int count = m_listImages->topLevelItemCount();
    if (count < 2) {
        Platform::ShowMessage(this, IDS_NEED_TWO);
        return;
    }
    if (count > kMaxImages) {
        Platform::ShowMessage(this, MessageText(Message::TooManyImages).arg(kMaxImages).arg(count));
        return;
    }
    QByteArrayList images;
    images.reserve(count);
    for (int row = 0; row < count; ++row)
        images.append(m_listImages->topLevelItem(row)->text(ColumnImage).toUtf8());
    if (const FileResult written = WriteListItems(images); !written) {
        Platform::ShowFileFailure(this, MessageText(Message::ListNotSaved), written);
        return;
    }
    RunNewPage<CModePage>();
}
