#include "bioadvice.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

size_t phaseIndex(BioPhase phase)
{
    switch (phase) {
    case BioPhase::High:
        return 0;
    case BioPhase::Caution:
        return 1;
    case BioPhase::Low:
        break;
    }
    return 2;
}

} // namespace

QString adviceHeading(BioPhase phase)
{
    static const std::array<QString, 3> headings{u"【高調】"_s, u"【注意】"_s, u"【低調】"_s};
    return headings[phaseIndex(phase)];
}

QString adviceBody(int cycle, BioPhase phase)
{
    // Rows: physical, emotional, intellectual; columns: high, caution, low. The half-width
    // space after 発熱 has always been there and stays.
    static const std::array<std::array<QString, 3>, Bio::cycleCount> advice{{
        {u"体力の伴う仕事、旅行、スポーツ、強化訓練に適す。但し体力過信の暴走に注意。回復力がはやいので外科手術に適す。"_s,
         u"発熱 ・発作・カゼ・頭痛・病状の悪化・悪酔い・能力の低下が起きやすい。ドライバーは、とくに運転を充分注意すること。"_s,
         u"疲れやすく、過労、暴飲、暴食をつつしみ体力の蓄積につとめる。型のはまったかるいトレーニングは潜在能力を養う。"_s},
        {u"気力横溢、積極的に仕事をかたずけるとき。共同作業、求愛、デート等に強い。麻雀などのギャンブルに強い。"_s,
         u"感情や神経が動揺しやすい日。立腹・失言・口論。病状の悪化反応の低下。勝負事には手を出さないこと。運転には注意。"_s,
         u"すべてやや消極的になりがちなとき。極度に忍耐や神経を要する仕事を避ける。対人関係や勝負事に深入りしないこと。"_s},
        {u"頭の回転がよく知的作業に最適のとき。計画の立案検討・決定。不得意・難解な科目の勉強や暗記に最適。"_s,
         u"注意力、集中力の欠如による大小のミスやポカ。重要な決定事項や契約のサインはこの日は避けたい。運転には注意のこと。"_s,
         u"知的活動やや低調、頭の酷使を避け、データの整理。学生なら得意な科目の勉強・復習・予習・ノートやカードの整理をする。"_s},
    }};
    return advice[size_t(std::clamp(cycle, 0, Bio::cycleCount - 1))][phaseIndex(phase)];
}

QString adviceText(int cycle, BioPhase phase)
{
    return adviceHeading(phase) + u"\r\n"_s + adviceBody(cycle, phase);
}
