
~TSUBAXTALAAB XI YAJAT ABAL WAWAA': 1
Uludh abal wawaa' u chu'chuumte k'al an tsubaxtalaab uludh abal yab cho'oobte ani yab u t'ajnal ti k'ij an chu'uxtalaab abal wawaa', wa'chineek an odhnaxtalaab abal wawaa' ani uludh abal ja'ich xi alwa' abal wawaa' uludh abal techee' ti chabaal an kw'ajiiltsik yab xanti ka jik'ey ani kin ch'ejna' ani yajat ki le'na' an k'ak'naxtalanb.
~TSUBAXTALAAB XI YAJAT ABAL WAWAA': 2
Uludh abal an chu'uxtalaab abal wawaa' chu'udh k'al juun i chu'uxtalaab abal an kw'ajiiltsik yab ka pejeexin.
Uludh abal an bitsowtsik yajat ka k'ak'naaxin.
Uludh abal an bitsowtsik in kw'ajbaamal in tsubaxtal k'al an chu'u- uxtalaab abal wawaa' jeltik'ij an inik ani an uxum ani in uluumal abal yajat ku kw'ajay walkadh k'al an tsubaxtalaab.
~TSUBAXTALAAB XI YAJAT ABAL WAWAA': 3
Uludh abal an bitsowtsik in uluumal abal ne'ech ka tolmiixin abal kin chu'chuum an junkunal bitsowtsik abal ne'ech ku k'ak'naaxin, ani.
Uludh abal jee' an tsubaxtalaab yajat ki chu'chuum abal ka k'ak'naaj ani ka t'ajan ti k'ij.
~TSUBAXTALAAB XI YAJAT ABAL WAWAA': 4
AN JUNKUNTALAAB
IN ULUW JEE'
ANU UUW XI TU CHU'CHUUM WAWAA'.
An tsubaxtalaab xin chu'chuum an bitsowtsik, abal an kw'ajiiltsik in buk'wal k'al an ok'tsixtalaab ki k'anidha jee' an chu'uxtalaab ani ka chu'chuumte k'al an chu'uxtalaab xi techee' ti chabaal abal ka exlaaj ani ka eeynaaj k'al an bitsowtsik k'al xi taja' junkuneek.
~Artículo 1
Ejtal an kw'ajiiltsik u wa'chinal kweteem ani chu'udh k'al an chu'uxtalaab ani yajat ka k'aak'naaxin juun ani juun.
~Artículo 2
Ejtal an kw'ajiiltsik in ko'ol ejtal in chaap xi uludh techee' ban dhutslab, yab ch'ikat'ajadh nibal in kaawintal, nibal an uxum ani an inik nibal an bitsow xonti taal, wa'chin max in ko'ol ani max yab in ko'ol an chaplaab.
Aniil yab neka pilmeedhaaj k'al an chu'uxtalaab max ts'itsik an bitsow.
~Artículo 3
Ejtal an iniktsik yajat ka kw'ajay alwa' kweteem ani abal ka chu'chuumte putaal tin iniktal.
~Artículo 4
Yan xita yajat ka t'ojondhaaj anik'ij, an t'ojondhaxtalaab anik'ij walbidh max ka t'ajan.
~Artículo 5
Yab xita' yajat ka cha'wat ani ka t'ajtsin xanti yab in tomnaal.
~Articulo 6
Ejtal an iniktsik, putaalk'ij in ko'ol in chaap k'al an chu'uxtalaab.
~Artículo 7
Ejtal wawaa' jayeechk'ij i jalbiil, jayeechk'ij u chu'chuumte k'al an tsubaxtalaab. Jayeechk'ij an chu'uxtalaab xi tu chu'chuum yajat ka k'ak'naaj ani yab yajat ka ch'ika't'ajan.
~Artículo 8
Ejtal an iniktsik yajat ka pidhan ti chaplaab ban awiltalaab, abal ka lo'wat tam u k'axtsinal tin k'ak'nabiil xi uludh ban uw chu'uxtalaab.
~Artículo 9
Yab xita' yajat ka yakw'an ani ka wik'an anik'ij.
~Artículo 10
Ejtal an iniktsik in k'ool in chu'uxtal jayeechk'ij, yajat ka ach'an k'al an bitsow ani k'al i tsubaxtalaab ban awiltalaab abal ka chu' tat xanti kw'ajat abal ka utsan xanti kw'ajat abal kin kw'ajaba' ani ka pidham xin yeentsal ani abal ka cho'oobnaaj max tsubax ti olnadh.
~Artículo 11
1. Ejtal an iniktsik xi oolnadh in walaam in ko'ol i lo'oxtalaab abal ka utsan yab in walaam lajat u exoobnaab max in walaam, lejbadh kal an tsubaxtalaab xi k'aal ti chu'chuumte.
2. Yab xita' yajat ka walbiyat k'al juun i walatstalaab abal tamti walbiyat yab in walaam jelti in ulal an tsubaxtalaab xi techee' ti laabtoom ani ti chabaal. Yab neka kw'ajbantsat t'ek'at in walab tokot xi uludh tamti in wala'.
~Artículo 12
Yab xita' yajat ka chu'tat tin iniktal, tin junik ani tin chakaamiltsik, ani tin k'imaa', nibal yajat ka takan. Ejtal an iniktsik in ko'ol in chaap ban tsubaxtalaab max ka takan.
~Artículo 13
1. Ejtal an iniktsik ne'ech kin ejto ka xe'chin techee' ani abal kin kw'ajba' in k'imaa' xontik'ij techee' ti laabtoom.
2. Ejtal an iniktsik ne'ech kin ejto ka kalej xonti k'ij ti piil bitsow ani ka witsi tin bitsoow.
~Artículo 14
1. Max u alyaab, ejtal an iniktsik ne'ech kin ejto kin alij abal ka lo'ey ti piil bitsow.
2. Jee'i tsubaxtalaab yab xanti ka ulwat k'al juun in alixtalaab max in walaam ani max abal i walatstalaab abal an junkulom bitsow.
~Artículo 15
1. Ejtal an iniktsik yajat kin kooy juun in bitsoow.
2. Yab xita yajat ka wek'ontsat tin bitsoow nibal ka jalk'untsat tin bitsoow.
~Artículo 16
1. An iniktsik ani an uxumtsik ne'ecjh kin ejto ka tomkin xita'k'ij k'aal abal kin kw'ajba' in k'imaa'ani chablom ne'eech kin ejto kin eeyna' an tsubaxtalaab k'al an tomkixtalaab, tamka tomkin ani max ka jilaaxin.
2. Ne'ech kin ejto ka tomkin tam kin chalpay chaab tin eeb.
3. An junkudh k'imaadh ja'ich na yajat abal an kw'ajiil ani yajat kin chu'chuum an bitsow, ani an pulek bitsow.
~Artículo 17
1. Ejtal an iniktsik ne'ech kin ejto kin koo'oy xataakich kweteem ani junkulom.
2. Yab xita yajat ka week'ontsat tin dhabal.
~Artículo 18
Ejtal an iniktsik walkadh kweteem ka chalpaxin, tin chalap ani ti belom jee' an tsubaxtalaab in junkuwal abal ka walkan kin jalk'uy belomtal ani abal kin oolna'nin belomtal kweteem ani junkunal tin yaneel ani kweteem abal kin ok'tsixna' an belomtalaab ani abal kin chu'uw.
~Artículo 19
Ejtal an iniktsik walkadh abal ka chalpaxin kweteem ani ka kaawin; jee' an tsubaxtalaab in oolnaal abal yab xita' yajat ka utsan xata' abal xanti juun u chalpax, jelti max in alyal xata' ani kin bach'uw i tsubaxtalaab ani tak'ixtalaab ani abal kin buk'uw xontik'ij.
~Artículo 20
1. Ejtal an iniktsik ne'ech kin ejto ka junkun k'al xawa'k'ij i junkuntalaab.
2. Yab xita yajat ka nixoknaaj abal ka kw'ajay ba juun i junkulom.
~Artículo 21
1. Ejtal an iniktsik ne'ech kin ejto ka tolmixin k'al an awiltalaab, jajaa' ani tolmidh k'al in at k'imaadh xin exlaal.
2. Ejtal an iniktsik ne'ech kin ejto ka kw'ajay jayeechk'ij xawa' an punk'untsixtalaab yejat tin bitsoon.
3. Tin chalap an bitsow ja'ich nin akan an awiltalaab tin yaneel; jee' an chalap ne'ech ka xalk'an k'al an bijixtalaab xi ne'ech ka t'ajan ech'ek'ij k'al an chinat bijixtalaab ani k'al xawa'k'ij an bijixtalaab xin k'ak'naal an chinat bijixtalaab.
~Artículo 22
Ejtal an iniktsink, tin yaneel, yajat ka chu'tat ani kin aata', k'al in chaap an bitsow ani k'al in tolmixtal an bitsowtsik ti chabaal, xi wa'ach an junkuntalaab ani k'al in tumiinal an bitsowtsik, abal ka tsubk'an k'al an yajat tumiin, junkuntalaab ani nin belomtal xi jajat abal yab ka ch'ika't'ajan ani abal kweteen ka exlaaj tin iniktal.
~Artículo 23
1. Ejtal an iniktsik ne'ech kin ejto ka t'oojon, kin alij an t'ojlaab xin kulbetnal ani ka chu'chuumte abal yab kin k'ipdha' nin t'ojlaabil.
2. Ejtal an iniktsik xu t'ojnal yajat ka jalbiyat xawa kin t'aja'.
3. Ejtal an iniktsik yajat ka pidhan tin jalbiil jayeechk'ij abal k'ijidh ka jilk'on jajaa', in tomtal ani in chakaamiltsik, ka kw'ajay alwa' tin iniktal ani yajat ka chu'chuumte.
4. Ejtal an iniktsik ne'ech kin ejto kin kw'ajba' juun i junkuntalaab ani abal kin chu'chuum an tsubaxtalaab xi k'aal ti chu'chuumte.
~Artículo 24
Ejtal an iniktsik ne'ech kin ejto ka koyooch, kin kulbetna' an koyooch tam yab xata' in ko'ol kin t'aja', an t'ojlaab yajat alwa'k'ij kin t'aja' ani ka pidhan juntsikiil ka koyooch.
~Artículo 25
1. Ejtal an iniktsik pidhats ti tsubaxtalaab abal ka kw'ajay alwa', ka chu'chuumte ejtal tin eeb ani abal ka k'apuuch alwa' ka xeketlin, nin k'imaa', ka ilaaliyat ani ejtal an chu'uxtalaab xi yajat, aniil in ko'ol i tolmixtalaab tam yab wa'ach i t'ojlaab, yaw'laach, tam yab kidhat in iniktal, tam kwetmadh, tam puulekich ani xi k'e'et in k'ibaal abal ka xe'chin alwa'.
2. An naanlaab ani an chakam yajat ka kw'ajbantsat juun i alwa' chu'uxtalaab. Ejtal an chakamtsik xi wa'chineek ani xi yab wa'chineek k'al an tomkixtalaab jayeechk'ij yajat ka chu'tat.
~Artículo 26
1. Ejtal an iniktsik jiladh ka exoblaach. An exoblaach yab yejat ka jalbiyat an jidhtal exoblaach ani xin jalbiil. Xin jalbiil an exoblaach yajat ka nixoknaaj. An exoblaach xi t'ek'at yajat jununuul, abal ku ochich ba juun i exoblaach t'ek'at jayechk'ij abal ejtal.
2. An exoblaach kw'ajbadh abal ka chalpadhmeej juun ani abal kin k'ak'na' an chu'uxtalaab xi wawaa' ani abal walkadh ku kw'ajay, ne'ech kin ulu an eexbaxtalaab, k'ak'naxtalaab ejtal an bitsowtsik ani ejtal an teenektsik ani belomtalaabtsik ani ne'ech kin buk'uw in t'ojlaabil an junkulom bitsow abal k'ijidh ku kw'ajay ani yab u peejeex.
3. An tanta'laabtsik jajaa' in cho'oob xawa i exoblaach ne'ech kin pdha' nin chakaamiltsik.
~Artículo 27
1. Ejtal an iniktsik ne'ech kin ejto kin bela' tin kweteemtal an belomtalaab xin ko'ol nin kwentsaalil, kin le'na' an t'ojlaab xu t'ajnal ani ka tolmixin abal an chalpadhtalab ani abal ka pidhanjey xowa jaa' k'al ka tolmiyat.
2. Ejtal an iniktsik yajat ka chu'tat xawa' jaa' in chalpayal ani kin ko'ol xin jajaa' in t'ojlaabil in t'ajaam ani an dhtslab xi t'ajaam.
~Artículo 28
Ejtal an iniktsik ne'ech kin ejto kin kw'ajba' juun i lujatalaab ban bitsowtsik xi putaal ti chabaal xi uludh ban junkulom bitsow ani abal ka t'ajan.
~Artículo 29
1. Ejtal an iniktsik yajat ka tolmixin k'al an kiwentsal, taja' ne'ech kin ejto kin pudedha' tin baa'.
2. Tam in belaal an tsubaxtalaab ani in kulbetnaal an chu'uxtalaab, ejtal an iniktsik walkadh k'al xin ulal an tsubaxtalaab abal ka exbayat ani abal ka k'ak'naaj xi k'e'et ani abal ka chu'tat an tsubaxtalaab k'al an lujatalaab ani an alwa'talaab k'al an bitsowtsik.
3. Jee' an tsubaxtalaab ani an walkadhtalaab yab neka ejtowat ka eeynaaj jaluts jelti xi uludh k'al an junkulom bitsow.
~Artículo 30
Ni juun xi jee uludh, ne'ech ka ulwat abal an awiltalaabtsik in ko'ol k'aal in chaap, juun inik ani juun i junkulom abal kin t'aja i t'ojlaab jaludh xi jee' uludh k'al an junkulom bitsow.