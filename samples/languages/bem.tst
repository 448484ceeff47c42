
~AMASHIWI YAKUBALILAPO 1
Apo kwaba ukwishiba ubucindami bwa muntu nomulinganya pamo ne nsambu shishifwile kufumyapo ku muntunse nge shinte lya buntungwa, umulinganya pamo nomutende pano isonde,
Apo uku kana posako mano nokusula insambu sha muntu fya lenga imicitile ya bunkalwe yikalifya amatontonkanyo ya bantu, elyo nokupilibula imikalile ya mu calo umo abantu bonse bengala sekelamo mu nsambu sha kulanda nokusumina ifyo balefwaya ukubikapo nokula ikala ukwabula icintinya nokubulilwa fyalisoswa nge fikabila nganshi umuntu onse,
~AMASHIWI YAKUBALILAPO 2
Apo cikankala, nga cakuti umuntu tali nokula patikishiwa ukuilubula, nge nshila yakushalikishako, ukulasangukila aba buluku nabalya banyantilila abanabo, mukuti insambu sha muntu shifwile ukucingililwa na mafunde,
Apo caba cikankala ukutwala pantanshi icumfwano pakati ka fyalo,
~AMASHIWI YAKUBALILAPO 3
Apo abantu bamu kabungwe kafyalo fyaikatana muli kalata balibwekeshapo isubilo mu nsambu, mu bucindami no bukankala bwa muntu pamo nomulingaya pakati ka baume nabanakashi pamo nokuipela ukutwalilila abuyantanshi mu mikalila isuma mu butungwa ubukalamba,
~AMASHIWI YAKUBALILAPO 4
Apo ifyalo fyaba ba membala fyali ipela ukufikilisha, ukupitila mukwampana pamo nakabungwe ka fyalo fya ikatana, ukutwala pantanshi ukula cindika nokukonka pafya nsambu sha muntu ne nsambu shimbi pano isonde,
Apo pakwishiba ishi nsambu nobuntungwa ecikankala sana pakuti ici cilayo cinga fikilishiwa ukupwililika,
~AMASHIWI YAKUBALILAPO 5
Nomba, eyapa UKULONGANA KWAFYALO FYONSE kwasosa, Ifyasosele ifyalo fyonse palwa nsambu sha muntu nge cilingile ukufikilishiwa ku muntu naku fyalo fyonse, pakuti cila muntu ne ncende yonse mu calo aikala, ukulaibukisha ifi fyasoswa lyonse, nokwesha ukulafunda nokusambilila mu kutwala pantanshi ukucindika ishi nsambu bo buntungwa, elyo mukubomfya inshila shalinga, ifyalo nafyo ukumona ukuti ifi fyaishibikwa nokukonkwa isonde lyonse, ku bantu baba mu fyalo fyaba bumembala ukubikapo nefyalo fitungululwa kuli bambi.
~Icikomo 1
Abantu bonse bafyalwa abalubuka nokulingana mu mucinshi nensambu. Balikwata amano nokutontonkanya, eico bafwile ukulacita ifintu ku banabo mu mutima wa bwananyina.
~Icikomo 2
Cila muntu ali linga ukukwata ishi nsambu no buntungwa filelondololwa, ukwabula akapatulula kali konse ngaka mutuntu, inkanda, umwaume nangu umwanakashi, ululimi, uko apepa, ifyo atontonkanya pa fikansa fya calo, uko atula ku calo, ifyuma akwata, uko afyalwa nangu akapatulula akali konse.
Kabili, takuli kapatulula kali nokucitwa pa mulandu wafikansa fya calo, ifyo balubulula imilandu nangu umucinshi icalo afumako cakwata ku fyalo fimbi, cibe cila iteka, cilatekwa nangu capelwa ku calo cimbi ukutekwa.
~Icikomo 3
Cila muntu alikwata insabu ya mweo, ukucita ico alefwaya elyo noku icingilila umwine.
~Icikomo 4
Takuli nangu umo ukuba umusha nangu mu busha. Ubusha nokushitishana mu busha fili nokubindwa mu nshila ili yonse.
~Icikomo 5
Tapali nangu umo atwile kucitwa kunkalwe, ukucushiwa nokucitwa nge nama paku kandwa.
~Icikomo 6
Onse alikwata insambu ukwishibikwa ukuli konse ngo muntu pa menso ya cilye.
~Icikomo 7
Bonse bali lingana pa menso ya cilye kabili balikwata insambu ukwabula akapatulula, ukupokolwa mu mulinganya pa menso ya cilye. Bonse balikwata insambu yakupokololwa mu mulinganya ku kapatulula akali konse ukupula muli uku kusosa ukubikapo ukupokololwa nakuli balya batunka bambi ukuti bale patulula.
~Icikomo 8
Onse alikwata insambu kucingililwa ne filye fyalinga lintu afyengwa ku micitile ipula mu mafunde ya mupela insambu ukulingana na mafunde ya mu calo.
~Icikomo 9
Takuli muntu afwile kukakwa ukwabula umulandu, ukusungwa bu citente nangu ukuba imbutushi ukwabula umulandu.
~Icikomo 10
Onse alilinga mu mulinganya wine wine ukumulubulwisha ukwabula ulufyengo palwalala naba shi cilye bashi lemenena lubali lumo, lintu balepituluka mu nsambu shakwe nefyalinga ukucita nga nacita umulandu uli onse.
~Icikomo 11
1. Onse uwapelwa umulandu alikwata insambu ukutunganishiwa uwakaele ukushinta lintu bamushinina ukulingana namafunde pa cilye capa lwalala ukwabula ukulesha inshila shonse enga pusukililamo.
2. Takuli muntu ali nokupelwa umulandu nokukandwa pa cilubo cishali mulandu lindu cacitike panshita iyo, cibe nimu calo cakwe nangu kufyalo fimbi. Nangu ukumulundilako ukukandwa ukucila fintu akandilwe panshita icilubo cacitike.
~Icikomo 12
Takuli kula fulunganya kumaka inkama ya muntu, ulupwa lwakwe, kung'anda nangu amakalata ukubikapo nokonaula ishina lyakwe mukulanda ifyabipa pali ena. Onse alikwata insambu yakucingililwa ku mafunde ku fimfulunganya fya musango ngoyu nangu ukusanswa.
~Icikomo 13
1. Onse alikwata insambu yakwenda nokwikala konse uko atemwa mu calo aikala.
2. Onse alikwata insambu ukufuma mu cala, nangu calo cakwe pamo nokubwelela ku calo ca kumwabo.
~Icikomo 14
1. Onse alikwata insambu yakufwaya nokusekelamo ukusungwa nge mbutushi mu efyalo fimbi ukubutuka ulufyengo uko afuma.
2. Lelo iyi nsambu tainga bomba umuntu nga alebutuka imilandu ishikumine ku fikansa fya calo nangu ku micitile isha linga nefya imininapo ifyalo fyaikatana.
~Icikomo 15
1. Onse alikwata insambu yakuba no mutundu.
2. Tapali nangu umo ku maka ali nokupokwa umutundu wakwe wa calo nangu ukumukanya insambu yakwe yakwalula uyu mutundu.
~Icikomo 16
1. Abaume na banakashi nga bafika pa mushinku wa kupa tabafwile kuleshiwa kupana nokula panga indupwa kumulandu wa nkanda, uko bafuma nangu uko bapepa. Bonse balikwata insambu sha lingana ku cupo, lintu bali ku cupo ukushinta nalintu icupo capwa.
2. Icupo cili nokucitwa abalefwaya ukupana nga basuminishanya abene beka.
3. Indupwa nge ntulo ya mutundu ne calo shalilinga ukucingililwa nabekala calo pamo no buteko.
~Icikomo 17
1. Onse alikwata insambu yakukwata ifipe umwine eka nangu naba nankwe.
2. Tapali ali nakupokwa ifipe kumaka.
~Icikomo 18
Onse alikwata insambu yakukwata amatontonkanyo, ukutontonkanya no kupepa; iyi nsambu yalundapo neya kwalula ukwakupepa nangu amatontonkanyo ukubikapo neyakuti, atemwa eka nangu na bambi uko ekala, cibe nimu bumfisolo nangu palwalala ukulondolola amashiwi yakwa lesa nangu amatontonkanyo ukupitila mu kufunda, imicitile pamo nokupepa.
~Icikomo 19
Onse alikwata insambu ukulanda ifyo aletontonkanya, neyi nsambu ilundapo neya kukwata amatontonkanyo ukwabula ukuleshiwa pamo neya kukwata, ukufwaya, ukupokelela pamo nokupelako bamo ilyashi namatontonkanyo ukubomfya umulabasa uli onse pakati ka fyalo.
~Icikomo 20
1. Onse alikwata insambu yakulongana nokwangala mu mutelelwe.
2. Takuli nangu umo afwile ukupatikishiwa ukuba membala wa kabungwe ashilefwaya.
~Icikomo 21
1. Onse alikwata insambu yakutungulula mu buteko bwa calo cakwe atemwa umwine eka nangu abasalwa, abaku mwimininako.
2. Onse alikwata insambu yakusekelamo mu fintu ubuteko bwa calo cakwe bupekanisha abekala calo.
3. Ubufwayo bwa bantu emaka ubuteko buli nokukwata, ici cakulamonwa ukupitila mukulakwata ukusala ubufi munshita, nabantu bakumenye imyaka yakusala bafwile basala ifyo batemenwe ukwabula ukwebwa (secret ballot) nangu ukubomfya inshila shimbi shishalinga ifi.
~Icikomo 22
Onse alikwata insambu yakusungwa lilya akota, kabili ukupitila mu maka ya calo cakwe nangu ukubombela pamo ne fyalo fimbi ukulingana namaka cila calo cikwete, ukusanga ubukumu, imikalile isuma pamo ne ntambi sha cifyalilwa ukulingana nomucinshi mukuitwala pantanshi umwine.
~Icikomo 23
1. Onse alikwata insambu yakukwata incito atemenwe nokubomba munshila yabula ukufyengwa kabili nokupokololwa ukutamfiwa incito.
2. Onse ukwabula akapatula alikwata insambu yakufola amalipilo yalinga pa ncito imo ine.
3. Onse abomba alikwata insambu yakupoka amalipilo yalingile pakuti ena nolupwa lwakwe lwingala ikala bwino, naya malipilo nga yacepa, ukubomfya inshila shimbi sahsuminishiwa ukula sangilamo indalama shimbi nangu ukumulundulako indalama afola.
~Icikomo 24
4. Onse alikwata insambu yakutusha nokwangala ukubikapo ukbomba insa ishalinga nokulaya pali cuti yakulipilwa.
~Icikomo 25
1. Onse alikwata insambu yakwikala bwino nolupwa lwakwe mu bumi, ukubikapo nefya kulya, ing'anda nokulaya ku cipatala atemwa ku sukulu, pamo ne nsambu yaku cingililwa lintu aba pabulofwa, alwala alemana, afwilwa, akota nangu aba mubwafya kumulandu wafintu fimo ashinga citapo nangu cimo.
2. Banamayo pabukulu pamo nabana banono balikwata insambu yakutangatwa bwino nokwafwiwa, Abana bonse, abafyalwa mukati nangu kunse ya fyupo, bafwile ukusekelamo fimo fine ifili nga amasukulu nangu ifipatala.
~Icikomo 26
1. Onse alikwata insambu yaku sambilila. Takufwile kuba kulipila ku masambililo mu masukulu yanono. Onse alefwaika uku sambililako mu masukulu yanono cibe alefwaya nangu iyo. Amasukulu yakusambililamo isha ncito yafwile yabako pamo namasukulu yakalamba (University) kuli balya balingile ukuyako.
2. Amasambililo yafwile yalenga umuntu umwine ukuitwala pantanshi ifyo afwaya nokukosha ukucindika insambu sha muntu no buntungwa. Amasambililo yafwile ukutwala pantanshi ukumfwana, ukubelela na bucibusa pakati ka fyalo, ukwikatanya abantu bapusana inkanda nangu uko bapepa kabili nokutwala pantanshi imilimo ya fyalo fyaikatana pakusungilila umutende.
3. Abafyashi balikwata insambu ya ntanshi ukusala amasambililo balefwaya abana babo ukukwata.
~Icikomo 27
1. onse alikwata insambu yakucitako ifya ntambi sha cifyalilwa, ukusekelamo mufya kulenga nefya kupanga panga kuntu aikala pamo nokusekelamo mufyaleta abasungu (scientific advancement and its benefits).
2. Onse alikwata insambu yakucingililwa apo aiminina nangu umo alefwaya ukumwenamo ukupitila mu fintu apanga, ukulemba nangu ukulenga nga fyafuma mu mano yakwe.
~Icikomo 28
Onse alikwata insambu ukwikala kuntu aikala nangu mu calo umo insambu nobutungwa shasoswa, shafikilishiwa ukwabula ukushako.
~Icikomo 29
1. Onse alikwata umulimo kuntu aikala uko umwine eka ukwabula ukumufenenkesha enga itwala pantanshi ifyo afwaya.
2. Pakukwata ishi nsambu, onse afwile ukukonka amafunde pamulandufye wa kwishiba nokucindika insambu sha bambi pakuti kwingaba imbelo shisuma, nomutelelwe mu calo umo bonse bakwata insambu yakulandapo.
3. Ishi nsambu nobuntungwa teti shibomfiwe ukupula mubufwayo ne fyaimininapo ifyalo fya ikatana.
~Icikomo 30
Tapali nangu cmo muli uku kusosa icinga pilibulwa ukuti icalo icili conse, ibumba lya bantu nangu umuntu umo nakwata insambu ukucita icili conse icakwiminina pa koanula insambu no buntungwa filondolelwe nokulembwa.