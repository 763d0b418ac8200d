#pragma once

#include <QSettings>
#include <QTemporaryDir>

#include "app/document_data.h"
#include "app/ui/desktop_ports.h"
#include "common/ole_date_time.h"
#include "support/fake_file_browser.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"

namespace bunrako::testing {

// The ports of the desktop program as fakes, and a settings store in a
// temporary folder, for one frame or view under test.
struct DesktopFixture {
    FakePrompt prompt;
    FakeShell shell;
    FakeFileBrowser fileBrowser;
    FixedClock clock{OleDateTime::fromDate(2008, 4, 1)};
    QTemporaryDir folder;
    QSettings settings{folder.filePath(QStringLiteral("bunrako.ini")), QSettings::IniFormat};
    DesktopPorts ports{prompt, shell, fileBrowser, clock};
    // The program folder is the temporary folder: without a pointer file it
    // is also the data folder.
    DocumentData document{prompt, folder.path().toStdString() + "/"};

    DesktopFixture() { prompt.messages.clear(); }
};

}  // namespace bunrako::testing
