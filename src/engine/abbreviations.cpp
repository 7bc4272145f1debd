#include "engine/abbreviations.h"

#include "engine/char_classes.h"
#include "engine/text_helpers.h"

namespace engine {

// Three entries join two abbreviations with the bytes 0xC2 0xA0; the string
// literals are split there so the hex escapes end cleanly.
const std::string_view AbbreviationList =
    ",N.,J.,N.,Y.,E.,g.,V.,Y.,A.,M.,a.,m.,I.,e.,i.,e.,C.,V.,C.,C.,C.,c.,c.,c.,M.,D.,N.,B.,R."
    ",N.,P.,m.,p.,m.,U.,K.,A.,D.,B.,C.,Ala.,Amer.,Ariz.,Ark.,Calif.,Colo.,Conn.,Del.,Fla."
    ",Ga.,Guam.,Idaho.,Ill.,Ind.,Iowa.,Kans.,Ky.,La.,LA.,Maine\xC2\xA0"
    "Md.,Md.,Mass.,Mich."
    ",Minn.,Miss.,Mo.,Mont.,Nebr.,Nev.,Mex.,Dak.,Ohio\xC2\xA0"
    "Okla.,Okla.,Oreg.,Ore.,Pa."
    ",Tenn.,Tex.,Utah\xC2\xA0"
    "Vt.,Vt.,Va.,Wash.,Wis.,Wisc.,Wyo.,abbr.,Acad.,alt.,Assn."
    ",Aug.,Ave.,Capt.,co.,Co.,Col.,Comdr.,Corp.,Cpl.,Dec.,dept.,Dept.,dist.,div.,Dr.,est."
    ",al.,Feb.,fl.,gal.,Gen.,Gov.,gov.,grad.,Hon.,inc.,Inc.,Inst.,Incl.,Jan.,Jr.,lat.,Lib."
    ",Lt.,Ltd.,ltd.,Min.,Mr.,Mrs.,Ms.,mt.,mts.,Mt.,Mus.,Nov.,Oct.,pl.,pseud.,pt.,Pt.,Rev."
    ",rev.,Sept.,Sgt.,Sr.,St.,Univ.,vol.,vs.,wt.,Jan.,Feb.,Mar.,Apr.,Jun.,Jul.,Aug.,Sept."
    ",Oct.,Nov.,Dec.,Mon.,Tues.,Wed.,Thurs.,Fri.,sec.,min.,hr.,wk.,mo.,yr.,Fr.,Esp.,Cont."
    ",cont.,Ger.,No.,Esq.,Ph.,Prof.,Ver.,www.,ftp.,etc.,Rep.,Sen.,Messrs.,Drs.,Mmes.,ADM."
    ",phd.,http://www.,www.,";

bool isAbbreviation(std::string_view wordWithDot) {
  while (!wordWithDot.empty() && !isAlphanumeric(wordWithDot.front()))
    wordWithDot.remove_prefix(1);
  static const CommaListSet entries(AbbreviationList);
  return !wordWithDot.empty() && entries.contains(wordWithDot);
}

bool isDomainSuffix(std::string_view threeChars) {
  static const CommaListSet entries(DomainSuffixList);
  return threeChars.size() == 3 && entries.contains(lowerCase(threeChars));
}

} // namespace engine
