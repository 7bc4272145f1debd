#include "engine/autoskim_words.h"

#include "engine/text_helpers.h"

namespace engine {

namespace {

constexpr std::string_view Part1 = ",the,of,a, ";
constexpr std::string_view Part2 = ",to,in,is,you,it,he,was,for, ";
constexpr std::string_view Part3 =
    ",on,are,as,his,they,i,at,be,have,had,by,what,all,were,we,your,can,said, ";
constexpr std::string_view Part4 =
    ",and,that,with,this,from,when,an,each,which,she,do,how,their,will,up,other,about,out,"
    "many,then,them,these,so,her,would,him,into,has,more,see,number,way,could,people,water,"
    "been,call,who,its,now,long,down,day,did,may, ";
constexpr std::string_view Part5 =
    ",able,above,across,addition,after,afternoon,again,against,age,ago,almost,alone,along,"
    "already,also,although,always,am,among,amount,animal,another,answer,any,anything,area,"
    "around,art,away,back,bad,base,beautiful,became,become,bed,before,behind,being,belong,"
    "below,beside,best,better,between,big,bill,bird,black,blow,blue,both,bottom,box,boy,"
    "bright,bring,broken,brother,brown,buy,came,captain,car,care,carefully,century,certain,"
    "class,clean,clear,close,cold,common,compare,complete,compound,cool,correct,cost,country,"
    "course,dark,deep,different,does,dog,done,draw,dry,during,early,easy,either,electric,else,"
    "end,enough,equal,even,ever,every,everyone,everything,exactly,example,exciting,famous,far,"
    "fast,few,finally,first,free,front,full,fun,general,go,good,got,great,green,half,hard,"
    "heavy,here,high,himself,hot,however,I'll,important,inside,interesting,it's,itself,just,"
    "kind,known,large,last,late,least,less,let's,like,little,look,lost,lot,loud,low,machine,"
    "made,main,major,make,maybe,me,middle,might,mine,modern,moon,morning,most,much,must,my,"
    "natural,near,new,next,note,nothing,off,often,oh,old,once,only,our,outside,over,own,pair,"
    "per,perhaps,period,poor,possible,probably,quickly,quiet,quite,rather,ready,real,reason,"
    "red,rich,round,safe,same,second,seem,seen,sell,send,separate,several,shall,short,should,"
    "silent,simple,since,single,size,slowly,small,soft,some,someone,something,soon,special,"
    "still,straight,strange,strong,such,suddenly,sure,tall,than,themselves,there,thick,thin,"
    "those,though,through,thus,tied,time,tiny,today,together,too,top,tough,toward,try,uncle,"
    "under,unit,until,upon,us,use,usually,very,warm,week,well,went,where,whether,while,white,"
    "whole,whose,why,wide,wild,within,without,write,year,yet,young,I'll,you'll,he'll,she'll,"
    "we'll,they'll,I've,you've,we've,they've,I'm,you're,he's,it's,she's,we're,they're,I'd,"
    "you'd,he'd,she'd,we'd,they'd,afternoons,afternoon's,age's,ages,all's,amount's,amounts,"
    "angle's,animals,animal's,animals',another's,anything's,areas',area's,areas,art's,arts,"
    "back's,backs,bases's,bases,base's,beds',beds,bed's,below's,bill's,birds',bird's,birds,"
    "black's,blue's,both's,bottom's,bottoms',bottoms,boxes',box's,boxes,boy's,boys,boys',"
    "brother's,brothers,brothers',can's,cans,captains',captain's,captains,cars,car's,cars',"
    "centuries',centuries,century's,classes',class's,classes,colds,countries,country's,"
    "courses,course's,courses',dark's,deep's,dogs',dogs,dog's,draw's,either's,electrics,end's,"
    "ends,everyone's,everything's,examples',example's,examples,first's,fronts',front's,fronts,"
    "generals',general's,generals,goes,goods,goods',green's,greens,halves,hers,how's,ins,"
    "inside's,insides,kinds,little's,looks,lots,lows,machines,mains,majors,many's,may's,"
    "maybes,mine's,modern,moons,moon's,morning's,mornings,news,notes,now's,others',other's,"
    "others,ours,outside's,pairs,people's,periods',period's,periods,reasons,reds,riches,safes,"
    "second's,seconds,shorts',shorts,short's,whites,who's,who'd,whys,wills,years',year's,"
    "years,yours, ";

constexpr std::array<std::string_view, CompressorPartCount> Parts = {Part1, Part2, Part3, Part4,
                                                                     Part5};

constexpr std::array<std::string_view, CompressorPartCount> LevelNames = {"s90", "s80", "s70",
                                                                          "s60", "s50"};

std::array<CompressorPreset, CompressorPartCount> makePresets() {
  std::array<CompressorPreset, CompressorPartCount> presets;
  std::string joined;
  for (int k = 0; k < CompressorPartCount; ++k) {
    joined += Parts[k];
    presets[k] = {"Setting" + std::to_string(k + 1), joined};
  }
  return presets;
}

} // namespace

std::string_view compressorPartText(int index) {
  if (index < 0 || index >= CompressorPartCount) return {};
  return Parts[index];
}

std::vector<std::string> compressorPartWords(int index) {
  std::vector<std::string> words;
  std::string_view text = compressorPartText(index);
  // Entries sit between commas; the leading comma and the closing ", " frame
  // the part, so the blank entries at both ends are not words.
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(',', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view entry = text.substr(start, end - start);
    if (!entry.empty() && entry != " ") words.emplace_back(entry);
    start = end + 1;
  }
  return words;
}

const std::array<CompressorPreset, CompressorPartCount>& compressorPresets() {
  // Built once from constant data and never changed afterwards.
  static const std::array<CompressorPreset, CompressorPartCount> presets = makePresets();
  return presets;
}

std::string presetWordList(int level) {
  if (level < 0 || level >= CompressorPartCount) return {};
  return compressorPresets()[level].words;
}

std::string activeCompressorList(int level, const std::string& userDefinedSet) {
  if (level >= 0 && level < CompressorPartCount) return presetWordList(level);
  return userDefinedSet;
}

ReplaceSelection replaceSelectionFromString(std::string_view stored) {
  return stored == "Dots" ? ReplaceSelection::Dots : ReplaceSelection::Hide;
}

std::string_view replaceSelectionToString(ReplaceSelection selection) {
  return selection == ReplaceSelection::Dots ? "Dots" : "Hide";
}

int compressionLevelFromString(std::string_view stored) {
  for (int level = 0; level < CompressorPartCount; ++level)
    if (stored == LevelNames[level]) return level;
  return CustomCompressionLevel;
}

std::string_view compressionLevelToString(int level) {
  if (level < 0 || level >= CompressorPartCount) return "custom";
  return LevelNames[level];
}

} // namespace engine
