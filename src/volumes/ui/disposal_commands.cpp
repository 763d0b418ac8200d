#include "volumes/ui/disposal_commands.h"

#include <optional>

#include "common/clock.h"
#include "common/prompt.h"
#include "office/document_data.h"
#include "office/ui/bunrako_view.h"
#include "volumes/batch_report.h"
#include "volumes/data_haiki.h"
#include "volumes/haiki_shori.h"
#include "volumes/hozon_shubetu_henkou.h"
#include "volumes/texts.h"
#include "volumes/ui/batch_progress.h"
#include "volumes/ui/dlg_bunshoseiri_haiki_shori.h"
#include "volumes/ui/dlg_hozon_nengen_henkou_shori.h"
#include "volumes/ui/selected_records.h"
#include "volumes/ui/texts.h"

namespace bunrako {
namespace {

namespace texts = volumes::texts;
namespace uitexts = volumes::ui::texts;

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A data disposal's progress, shown from its first step on: the question
// comes before it.
class LateProgress {
  public:
    explicit LateProgress(QWidget* parent) : m_parent(parent) {}
    BatchProgress progress() {
        return [this](int position, int upper) {
            if (!m_shown) m_shown.emplace(m_parent, text(uitexts::kDisposingData), false);
            m_shown->progress()(position, upper);
        };
    }

  private:
    QWidget* m_parent;
    std::optional<BatchProgressShown> m_shown;
};

}  // namespace

DisposalCommands::DisposalCommands(CBunrakoView& view, DocumentData& document,
                                   const DesktopPorts& ports)
    : QObject(&view), m_view(view), m_document(document), m_ports(ports) {}

bool DisposalCommands::run(CommandId id) {
    switch (id) {
        case CommandId::volumeDisposal:
            disposeSelected();
            return true;
        case CommandId::retentionTypeChange:
            changeRetentionOfSelected();
            return true;
        case CommandId::volumeDataDisposal:
            disposeVolumeData(RegisterTab::volumes);
            return true;
        case CommandId::disposedDataDisposal:
            disposeVolumeData(RegisterTab::disposed);
            return true;
        case CommandId::changeFormDataDisposal:
            disposeFormData();
            return true;
        default:
            return false;
    }
}

void DisposalCommands::tell(const std::string& report, const char* caption) {
    if (!report.empty()) m_ports.prompt.showMessage(report, caption, MessageIcon::information);
}

void DisposalCommands::reload() { m_view.selectTab(m_view.currentTab()); }

// 廃棄処理: the selected volumes of the volume list, disposed in one month.
void DisposalCommands::disposeSelected() {
    const auto volumes = selectedRecords<CDocMasterData>(m_view, RegisterTab::volumes);
    if (volumes.empty()) return;
    const auto run = [&](const OleDateTime& month, const BatchProgress& progress,
                         const BatchStop& stop) {
        return disposeVolumes(volumes, month, m_document.volumes().path(),
                              m_document.disposedVolumes().path(), m_ports.prompt, progress, stop);
    };
    CDlgBunshoseiriHaikiShori dialog(volumes.size(), m_ports.clock.now(),
                                     m_document.calendar().western, run, &m_view);
    if (dialog.exec() != QDialog::Accepted) return;
    tell(batchReport(dialog.batchResult(), volumes.size(), texts::kDisposalDone,
                     [&](size_t i) { return volumes[i].title(); }),
         uitexts::kDisposalCaption);
    reload();
}

// 保存年限変更: the selected volumes get a new retention type and a change
// form each.
void DisposalCommands::changeRetentionOfSelected() {
    const auto volumes = selectedRecords<CDocMasterData>(m_view, RegisterTab::volumes);
    if (volumes.empty()) return;
    const auto run = [&](const std::string& type, const std::string& reason,
                         const BatchProgress& progress, const BatchStop& stop) {
        return changeRetentionType(volumes, type, reason, m_document.m_retention,
                                   m_document.volumes().path(), m_document.changeForms().path(),
                                   m_ports.prompt, progress, stop);
    };
    CDlgHozonNengenHenkouShori dialog(volumes.size(), m_document.m_retention, run, &m_view);
    if (dialog.exec() != QDialog::Accepted) return;
    tell(batchReport(dialog.batchResult(), volumes.size(), texts::kRetentionChangeDone,
                     [&](size_t i) { return volumes[i].title(); }),
         uitexts::kRetentionChangeCaption);
    reload();
}

// データ廃棄 of the volume list or of the disposed volumes.
void DisposalCommands::disposeVolumeData(RegisterTab tab) {
    const auto volumes = selectedRecords<CDocMasterData>(m_view, tab);
    if (volumes.empty()) return;
    const bool disposed = tab == RegisterTab::disposed;
    const auto& file = disposed ? m_document.disposedVolumes().path() : m_document.volumes().path();
    BatchResult result;
    {
        // Gone before the message at the end.
        LateProgress shown(&m_view);
        result = bunrako::disposeVolumeData(
            volumes, file, disposed ? VolumeSource::disposedFile : VolumeSource::volumeFile,
            m_ports.prompt, shown.progress());
    }
    if (result.outcome == BatchResult::Outcome::cancelled) return;
    tell(batchReport(result, volumes.size(), texts::kDataDisposalDone,
                     [&](size_t i) { return volumes[i].title(); }),
         uitexts::kDataDisposalCaption);
    reload();
}

// データ廃棄 of the change forms.
void DisposalCommands::disposeFormData() {
    const auto forms =
        selectedRecords<CHozonNengenHenkoushoData>(m_view, RegisterTab::retentionChange);
    if (forms.empty()) return;
    BatchResult result;
    {
        LateProgress shown(&m_view);
        result = bunrako::disposeFormData(forms, m_document.changeForms().path(), m_ports.prompt,
                                          shown.progress());
    }
    if (result.outcome == BatchResult::Outcome::cancelled) return;
    tell(batchReport(result, forms.size(), texts::kDataDisposalDone,
                     [&](size_t i) { return forms[i].title(); }),
         uitexts::kDataDisposalCaption);
    reload();
}

}  // namespace bunrako
