#include "tool/demo_vocabulary.h"

#include <array>

namespace bunrako::cli::demo {
namespace {

// Indices into classes(), for the sub-sections below.
enum Major { kSoumu, kJinji, kZaimu, kKikaku };

}  // namespace

const std::vector<Section>& sections() {
    static const std::vector<Section> table = {
        {"総務課",
         "青総第",
         {{"文書法規係", {{kSoumu, 0}, {kSoumu, 2}, {kKikaku, 1}}, 4},
          {"人事係", {{kJinji, 0}, {kJinji, 1}, {kJinji, 2}}, 3},
          {"庁舎管理係", {{kSoumu, 1}, {kSoumu, 2}}, 2}}},
        {"財政課",
         "青財第",
         {{"財政係", {{kZaimu, 0}, {kZaimu, 1}, {kKikaku, 0}, {kKikaku, 2}}, 4},
          {"契約管財係", {{kZaimu, 2}, {kSoumu, 1}}, 2}}},
        {"企画課", "青企第", {{"企画調整係", {}, 0}, {"広報統計係", {}, 0}}},
        {"市民課", "青市第", {{"戸籍住民係", {}, 0}, {"窓口サービス係", {}, 0}}},
        {"税務課", "青税第", {{"市民税係", {}, 0}, {"資産税係", {}, 0}, {"収納係", {}, 0}}},
    };
    return table;
}

const std::vector<MajorClass>& classes() {
    // Retention indices: 0 １年, 1 ３年, 2 ５年, 3 １０年, 4 ３０年, 5 永年.
    static const std::vector<MajorClass> table = {
        {"総務",
         {{"文書法規",
           {{"文書管理",
             {{"文書収受・発送簿", 3},
              {"文書廃棄関係綴", 3},
              {"公印管理簿", 5},
              {"郵便切手受払簿", 0}},
             {"公文書の適正な管理", "文書の保存期間の見直し", "公印の新調", "郵便料金の改定"}},
            {"例規",
             {{"例規審査綴", 5}, {"条例・規則改正関係綴", 5}, {"要綱制定関係綴", 3}},
             {"条例の一部改正", "規則の制定", "要綱の見直し"}},
            {"情報公開",
             {{"公文書開示請求関係綴", 2}, {"個人情報保護審査会関係綴", 3}},
             {"公文書開示請求", "個人情報の適正な取扱い"}}}},
          {"庁舎管理",
           {{"庁舎維持",
             {{"庁舎修繕関係綴", 2}, {"庁舎清掃業務委託関係綴", 2}, {"庁舎光熱水費綴", 2}},
             {"庁舎の修繕", "清掃業務の委託", "電力の使用状況"}},
            {"公用車",
             {{"公用車運行日誌", 0}, {"公用車管理関係綴", 1}},
             {"公用車の車検", "公用車の安全運転"}}}},
          {"防災",
           {{"防災対策",
             {{"防災訓練実施綴", 1}, {"地域防災計画関係綴", 5}, {"災害対応記録", 5}},
             {"総合防災訓練", "避難所の運営", "地域防災計画の修正"}}}}}},
        {"人事",
         {{"任用",
           {{"採用",
             {{"職員採用試験関係綴", 2}, {"会計年度任用職員任用関係綴", 2}},
             {"職員採用試験", "会計年度任用職員の募集"}},
            {"異動", {{"人事異動関係綴", 4}, {"辞令交付簿", 5}}, {"定期人事異動", "辞令の交付"}}}},
          {"給与",
           {{"給与支給",
             {{"給与支給台帳", 4}, {"諸手当認定関係綴", 2}},
             {"給与の支給", "扶養手当の認定"}},
            {"福利厚生",
             {{"職員健康診断関係綴", 2}, {"共済組合関係綴", 1}},
             {"職員定期健康診断", "共済組合の届出"}}}},
          {"研修",
           {{"職員研修",
             {{"職員研修実施綴", 1}, {"派遣研修関係綴", 1}},
             {"新規採用職員研修", "階層別研修"}}}}}},
        {"財務",
         {{"予算",
           {{"予算編成",
             {{"当初予算要求書綴", 3}, {"補正予算関係綴", 3}, {"予算査定資料", 2}},
             {"当初予算の編成", "補正予算の要求"}},
            {"予算執行",
             {{"予算流用・充用関係綴", 2}, {"予算執行状況調書", 1}},
             {"予算の流用", "予算の執行状況"}}}},
          {"決算",
           {{"決算",
             {{"決算書類綴", 5}, {"主要施策成果説明書", 3}},
             {"決算の認定", "主要施策の成果"}},
            {"財政状況",
             {{"財政状況資料集", 3}, {"地方財政状況調査綴", 2}},
             {"地方財政状況調査", "健全化判断比率"}}}},
          {"契約",
           {{"入札",
             {{"指名競争入札関係綴", 2}, {"入札参加資格審査綴", 2}},
             {"指名競争入札の執行", "入札参加資格の審査"}},
            {"財産管理",
             {{"公有財産台帳", 5}, {"物品購入契約書綴", 2}},
             {"公有財産の管理", "物品の購入"}}}}}},
        {"企画",
         {{"計画",
           {{"総合計画",
             {{"総合計画策定関係綴", 5}, {"実施計画綴", 3}},
             {"総合計画の策定", "実施計画の見直し"}},
            {"行政評価", {{"事務事業評価綴", 2}}, {"事務事業評価"}}}},
          {"広報",
           {{"広報",
             {{"広報紙原稿綴", 1}, {"報道発表資料", 0}},
             {"広報紙の発行", "報道機関への発表"}}}},
          {"統計",
           {{"統計調査",
             {{"統計調査関係綴", 0}, {"国勢調査関係綴", 3}},
             {"統計調査の実施", "国勢調査の調査員"}}}}}},
    };
    return table;
}

std::span<const RetentionRow> retentionRows() {
    static constexpr std::array<RetentionRow, 6> rows = {{
        {"１年", 1},
        {"３年", 3},
        {"５年", 5},
        {"１０年", 10},
        {"３０年", 30},
        {"永年", 99},
    }};
    return rows;
}

std::span<const char* const> outsideCorrespondents() {
    static constexpr std::array names = {
        "若葉県知事",
        "若葉県総務部長",
        "若葉県市町村課長",
        "若葉県財政課長",
        "総務省自治行政局長",
        "若葉県市長会長",
        "青葉市議会議長",
        "青葉商工会議所会頭",
        "青葉市自治会連合会長",
        "若葉県選挙管理委員会委員長",
        "若葉県市町村職員共済組合理事長",
        "株式会社青葉建設　代表取締役",
    };
    return names;
}

std::span<const char* const> insideAddressees() {
    static constexpr std::array names = {"青葉市長", "総務課長", "財政課長", "各課長"};
    return names;
}

std::span<const char* const> receivedSubjects() {
    static constexpr std::array patterns = {
        "%sについて（通知）", "%sに関する調査について（依頼）",
        "%sについて（照会）", "%sに係る説明会の開催について",
        "%sについて（依頼）",
    };
    return patterns;
}

std::span<const char* const> sentSubjects() {
    static constexpr std::array patterns = {
        "%sについて（回答）", "%sについて（報告）",   "%sの実施について（通知）",
        "%sについて（伺い）", "%sに係る協議について",
    };
    return patterns;
}

std::span<const char* const> filedOnlySubjects() {
    static constexpr std::array patterns = {
        "%sに関する資料",
        "%s関係の打合せ記録",
        "%sに係る決裁文書",
        "%sの検討資料",
    };
    return patterns;
}

std::span<const char* const> filedOnlyRemarks() {
    static constexpr std::array remarks = {"", "写し", "原本は担当係で保管", "電子データあり"};
    return remarks;
}

std::span<const char* const> receivedSteps() {
    static constexpr std::array steps = {"受付", "担当係へ回付", "課長決裁", "回答発送"};
    return steps;
}

std::span<const char* const> sentSteps() {
    static constexpr std::array steps = {"起案", "係長審査", "課長決裁", "発送"};
    return steps;
}

const char* changeReason(int newRetention, int choice) {
    if (newRetention >= kPermanentRetention) return "歴史的資料として永年保存とする";
    if (newRetention == kPermanentRetention - 1) return "訴訟に関係するため保存期間を延長する";
    return choice % 2 == 0 ? "事務の継続に必要なため保存期間を延長する"
                           : "監査の指摘により保存期間を見直す";
}

std::span<const char* const> posts() {
    static constexpr std::array names = {"主事", "主任", "主査", "係長", "課長補佐", "課長"};
    return names;
}

std::span<const char* const> personNames() {
    static constexpr std::array names = {"山田　太郎", "佐藤　花子", "鈴木　一郎", "高橋　美咲",
                                         "田中　健一", "伊藤　陽子", "渡辺　誠",   "中村　由美"};
    return names;
}

std::span<const Approver> approvers(int type) {
    static constexpr std::array<Approver, 3> three = {{
        {"市長", "Ａ"},
        {"副市長", "Ｂ"},
        {"課長", "Ｃ"},
    }};
    static constexpr std::array<Approver, 4> four = {{
        {"市長", "Ａ"},
        {"副市長", "Ｂ"},
        {"部長", "Ｃ"},
        {"課長", "Ｄ"},
    }};
    if (type == 0) return three;
    return four;
}

}  // namespace bunrako::cli::demo
