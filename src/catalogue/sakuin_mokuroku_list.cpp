#include "catalogue/sakuin_mokuroku_list.h"

#include <cstring>

#include "common/cp932.h"

namespace bunrako {

CSakuinMokurokuList CSakuinMokurokuList::Cleared(const OleDateTime& now) {
    CSakuinMokurokuList entry;
    std::memset(static_cast<void*>(&entry), 0, sizeof entry);
    entry.receivedDate = now;
    for (OleDateTime& date : entry.progressDate) date = now;
    entry.completedDate = now;
    return entry;
}

bool CSakuinMokurokuList::SameKey(const CSakuinMokurokuList& other) const {
    return receivedDate == other.receivedDate &&
           fixedBytes(documentNumber) == fixedBytes(other.documentNumber) &&
           fixedBytes(subject) == fixedBytes(other.subject) &&
           fixedBytes(remarks) == fixedBytes(other.remarks);
}

std::string CSakuinMokurokuList::documentNumberText() const {
    return readFixedText(documentNumber);
}
std::string CSakuinMokurokuList::subjectText() const { return readFixedText(subject); }
std::string CSakuinMokurokuList::remarksText() const { return readFixedText(remarks); }
std::string CSakuinMokurokuList::senderText() const { return readFixedText(sender); }
std::string CSakuinMokurokuList::receiverText() const { return readFixedText(receiver); }
std::string CSakuinMokurokuList::progressTextText(int step) const {
    return readFixedText(progressText[step]);
}
void CSakuinMokurokuList::setDocumentNumberText(std::string_view utf8) {
    writeFixedText(documentNumber, utf8);
}
void CSakuinMokurokuList::setSubjectText(std::string_view utf8) { writeFixedText(subject, utf8); }
void CSakuinMokurokuList::setRemarksText(std::string_view utf8) { writeFixedText(remarks, utf8); }
void CSakuinMokurokuList::setSenderText(std::string_view utf8) { writeFixedText(sender, utf8); }
void CSakuinMokurokuList::setReceiverText(std::string_view utf8) { writeFixedText(receiver, utf8); }
void CSakuinMokurokuList::setProgressTextText(int step, std::string_view utf8) {
    writeFixedText(progressText[step], utf8);
}

}  // namespace bunrako
