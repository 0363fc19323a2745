#include "CSavePage.h"

#include "CModePage.h"
#include "Finish.h"
#include "Messages.h"
#include "Platform.h"
#include "Strings.h"

#include <QFileInfo>
#include <QLineEdit>

CSavePage::CSavePage() : WizardPage(IDD, IDC_FINISH), m_editPath(ControlAs<QLineEdit>(IDC_PATH)) {
    OnClicked(IDC_FINISH, [this] { OnFinish(); });
    OnClicked(IDC_BROWSE, [this] { OnBrowse(); });
    OnClicked(IDC_BACK, [this] { RunNewPage<CModePage>(); });
    OnClicked(IDC_CANCEL, [this] { reject(); });
}

void CSavePage::OnFinish() {
    const QString path = m_editPath->text();
    if (path.isEmpty()) {
        Platform::ShowMessage(this, IDS_NEED_PATH);
        return;
    }
    // When no page was written, the page stays with its path and the scratch
    // files stay too, so the user can try again, for example with another path.
    const SlideshowWritten written = WriteSlideshow(path, m_bCustom != 0, m_strStyle);
    if (!written.pageWritten) {
        Platform::ShowFileFailure(this, MessageText(Message::PageNotWritten), written.failure);
        return;
    }
    // A scratch file left behind loses nothing: the page is written all the same.
    if (!written.failure) {
        Platform::ShowFileFailure(
            this, MessageText(Message::ScratchFileLeft).arg(QFileInfo(path).absoluteFilePath()),
            written.failure);
    }
    if (!Platform::OpenInShell(path))
        Platform::ShowMessage(
            this, MessageText(Message::PageNotOpened).arg(QFileInfo(path).absoluteFilePath()));
    accept();
}

void CSavePage::OnBrowse() {
    const Platform::SaveAsOptions options{
        {QStringLiteral("HTML Files (*.htm)"), QStringLiteral(" HTML files (*.html)")},
        QStringLiteral("htm"),
        QStringLiteral("*.htm")};
    if (const std::optional<QString> chosen = Platform::AskSaveAsPath(this, options))
        m_editPath->setText(*chosen);
}
