#include "MainWindowFixture.h"

MainWindowFixture::MainWindowFixture(const Collection& collection, QSize screen,
                                     vastrel::platform::Opener* otherOpener)
    : m_oldTmpDir(qgetenv("TMPDIR"))
{
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    m_session = std::make_unique<vastrel::browser::BrowsingSession>(
        vastrel::browser::ModuleState::initial(collection.root(), screen),
        otherOpener ? *otherOpener : opener);
    m_window = std::make_unique<vastrel::ui::frmVL>(*m_session, dialogs);
    m_window->resize(700, 500);
    m_window->show();
}

MainWindowFixture::~MainWindowFixture()
{
    m_window.reset();
    qputenv("TMPDIR", m_oldTmpDir);
}

QStringList MainWindowFixture::rows(const vastrel::ui::CheckList* list) const
{
    QStringList texts;
    for (const auto& row : list->rows()->rows())
        texts.append(row.text());
    return texts;
}

QStringList MainWindowFixture::checked(const vastrel::ui::CheckList* list) const
{
    QStringList texts;
    for (int i = 0; i < list->rows()->count(); ++i) {
        if (list->rows()->isChecked(i))
            texts.append(list->rows()->row(i).text());
    }
    return texts;
}

QString MainWindowFixture::current(const vastrel::ui::CheckList* list) const
{
    const int i = list->rows()->currentRow();
    return i < 0 ? QString() : list->rows()->row(i).text();
}
