#pragma once

#include <QSettings>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/sakuin_mokuroku.h"
#include "common/file_io.h"
#include "common/ole_date_time.h"
#include "office/document_data.h"
#include "office/ui/bunrako_doc.h"
#include "office/ui/desktop_ports.h"
#include "register/bunsho_ken_meibo_list.h"
#include "settings/settei_koumoku_list.h"
#include "settings/shoki_settei_file.h"
#include "support/fake_file_browser.h"
#include "support/fake_prompt.h"
#include "support/fake_shell.h"
#include "support/fixed_clock.h"
#include "support/import_masters.h"
#include "volumes/doc_master_data.h"
#include "volumes/doc_master_list.h"

namespace bunrako::testing {

// The section every desktop test works for: 総務課 庶務係, era years, fiscal
// years from April, every register file in the given folder.
inline CShokiSetteiData sectionSettings(const std::string& folder) {
    CShokiSetteiData settings;
    settings.m_strSectionName = "総務課";
    settings.m_strSubsectionName = "庶務係";
    settings.m_strSectionCode = "0010010000";
    settings.m_strVolumeFile = folder + "DocMaster.dat";
    settings.m_strDisposedFile = folder + "HaikiDoc.dat";
    settings.m_strRegisterFile = folder + "KenMeibo.dat";
    settings.m_strRetentionChangeFile = folder + "Minaosi.dat";
    return settings;
}

// Writes the settings file of the section into folder; true when written.
inline bool writeSectionSettings(const std::string& folder) {
    const std::vector<CShokiSetteiData> records{sectionSettings(folder)};
    return writeWholeFile(pathFromUtf8(folder + "ShokiSettei.dat"),
                          ShokiSetteiFileBytes(records)) == FileErrorCause::none;
}

// A volume of the section created in fiscal 2008 (Heisei 20).
inline CDocMasterData sectionVolume(const std::string& title) {
    CDocMasterData volume = CDocMasterData::NewRecord(OleDateTime::fromDate(2008, 4, 1));
    volume.setKaMei("総務課");
    volume.setKakariMei("庶務係");
    volume.setKaBunruiCode("0010010000");
    volume.setDaiBunruiCode("1");
    volume.setDaiBunruiMei("総務");
    volume.setChuuBunruiCode("1");
    volume.setChuuBunruiMei("文書");
    volume.setShouBunruiCode("1");
    volume.setShouBunruiMei("例規");
    volume.setHozonShubetuMei("10年");
    volume.setTitle(title);
    return volume;
}

// A document of the section received on the day, registered in fiscal 2008.
inline CBunshoKenMeiboData sectionEntry(const std::string& number, const std::string& subject,
                                        const OleDateTime& received = OleDateTime::fromDate(2008, 4,
                                                                                            2)) {
    CBunshoKenMeiboData entry = CBunshoKenMeiboData::newEntry(received);
    entry.registerYear = OleDateTime::fromDate(2008, 4, 1);
    entry.setSectionCode("0010010000");
    entry.setDocumentNumber(number);
    entry.setSubject(subject);
    entry.setSender("県総務部");
    entry.setReceiver("総務課長");
    return entry;
}

// An index catalogue entry received on the day.
inline CSakuinMokurokuList catalogueEntry(const std::string& number, const std::string& subject,
                                          const OleDateTime& received = OleDateTime::fromDate(2008,
                                                                                              4,
                                                                                              2)) {
    CSakuinMokurokuList entry = CSakuinMokurokuList::Cleared(received);
    entry.setDocumentNumberText(number);
    entry.setSubjectText(subject);
    return entry;
}

// The ports of the desktop program as fakes, and a data folder of one
// section in a temporary folder, for one frame or view under test.
struct DesktopFixture {
    FakePrompt prompt;
    FakeShell shell;
    FakeFileBrowser fileBrowser;
    FixedClock clock{OleDateTime::fromDate(2008, 4, 1)};
    QTemporaryDir folder;
    std::string dataFolder = folder.path().toStdString() + "/";
    QSettings settings{folder.filePath(QStringLiteral("bunrako.ini")), QSettings::IniFormat};
    DesktopPorts ports{prompt, shell, fileBrowser, clock};
    bool settingsWritten = writeSectionSettings(dataFolder);
    // The program folder is the temporary folder: without a pointer file it
    // is also the data folder.
    CBunrakoDoc doc{prompt, clock, dataFolder};
    DocumentData& document = doc.data();

    DesktopFixture() { prompt.messages.clear(); }

    // Stores volumes in the section's volume file (or another volume file of
    // the folder), in the order of the volume files.
    void writeVolumes(const std::vector<CDocMasterData>& volumes,
                      const std::string& fileName = "DocMaster.dat") {
        CDocMasterList list(pathFromUtf8(dataFolder + fileName), prompt);
        for (const CDocMasterData& volume : volumes) list.AddOrReplace(volume, true);
        list.sort();
        list.Write();
    }
    // Writes the three masters of the import tests into the data folder
    // (read at the next load).
    void writeImportMasters() {
        namespace masters = import_masters;
        const std::pair<const char*, CSetteiKoumokuList> files[] = {
            {"Kamei.dat", masters::department()},
            {"BosatuBunrui.dat", masters::classification()},
            {"HozonNengen.dat", masters::retention()}};
        for (const auto& [name, master] : files) {
            writeWholeFile(pathFromUtf8(dataFolder + name), SetteiKoumokuFileBytes(master.Items()));
        }
    }
    // The volumes of the section's volume file, numbered as stored.
    std::vector<CDocMasterData> storedVolumes() {
        CDocMasterList list(pathFromUtf8(dataFolder + "DocMaster.dat"), prompt);
        list.Read();
        return {list.records().begin(), list.records().end()};
    }

    // Stores the entries in the section's title register.
    void writeRegister(const std::vector<CBunshoKenMeiboData>& entries) {
        CBunshoKenMeiboList list(prompt);
        list.entries() = entries;
        list.Save(pathFromUtf8(dataFolder + "KenMeibo.dat"));
    }

    // Stores the entries in the index catalogue of a stored volume.
    void writeCatalogue(const CDocMasterData& volume,
                        const std::vector<CSakuinMokurokuList>& entries) {
        CSakuinMokuroku catalogue(prompt, clock);
        catalogue.setVolume(&volume);
        catalogue.OpenForVolume(pathFromUtf8(dataFolder + "DocMaster.dat"));
        for (const CSakuinMokurokuList& entry : entries) catalogue.AddOrReplace(entry);
    }

    void writeVolumes(std::initializer_list<const char*> titles) {
        std::vector<CDocMasterData> volumes;
        for (const char* title : titles) volumes.push_back(sectionVolume(title));
        writeVolumes(volumes);
    }
};

}  // namespace bunrako::testing
