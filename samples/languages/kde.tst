
~Pachinjililo 1
Lisiku lya 10 Disemba 1948, Lukumbi Lukulu lwa Umoja wa Vilambo lunihaula na kuhumya lilove lya vilambo lya wasa wa vanu. Lilove alino lihumile baada ya chilambo chohechohe kupanyana ding'ondo ding'ulu dimbili. Lukumbi anelwo lulembedile kila chilambo chihumye lilove alino livahwikile vanu vake kwa kulangudya, kusomesa, kusomela, kuhaula n'disule na n'disehemu dinji kuvele na ilimu.
~Pachinjililo 2
Ili kuhinikiha kuchidono wasa wa vanu unawuniwa, na Tansania inaunila wasa anewo, lilove alino lihumile M'chimakonde ili valembela usoma vavike wasa wene mun'tima mwavo vene na vanu vanji. Koka chive chihinde cha kukonyelela kuwuniwa kwa wasa wene m'manu na lyene lipanda.
~Pachinjililo 3
Vanu vohevohe vavelekwa valendene na wasa wavo unalandana. Umoja wa Vilambo uhumije lilove alino m'malove lapeyapeya na lakakamadidye ili kila munu amale wasa wake. Wasa unang'owo wako. Uumale wasa wako, yangata uvahaulila vanji vanu na uwunile wasa wene muchi wako na wa vanji vanu.
~LAHU YA 1
Vanu vohevohe vaidile n'chilambo valendene. Vanijaliwa ulimala vene. Pavele vanu pave na ulongo.
~LAHU YA 2
Kila munu ilembelewa ave na wasa uhaulidiwije n'nilove alino bila uvalangila asili, langi, chivelekwa, litawa au chinu chinji chohechohe. Panave na kutondolanya vanu ing'anya ya siasa, ding'umbi dya shelia, vilambo vivaholoka, bila uvalangila kama vilambo anevyo vinatawaliwa au nanga.
~LAHU YA 3
Kila munu alembelewa kwikala pachilambo alitukutwile na wunu wake.
~LAHU YA 4
Munu akava n'twana, wala vakan'sumisa, na lilove alino linalimbidya usumisana vanu.
~LAHU YA 5
Munu analage, anapate mateso, ukatili, au ubanika.
~LAHU YA 6
Wunuwake munu uvele m'munu na umaikane pashelia.
~LAHU YA 7
Pahelia vanu vohevohe vanalingilana na vakatondoleka. Shelia ivawunila vanu vanahapanyike.
~LAHU YA 8
Vitukutuku vyohevyohe vin'nimbidya munu ulitukutula kama chilembelewa n'katiba au n'shelia, vilonjelewe n'ding'umbi dya shelia.
~LAHU YA 9
Munu vanantaye n'jela, kun'chimila wala kum'minganga chihi chiwukuwuku .
~LAHU YA 10
Kila munu apilikaniwe muchi vanu vanji palikuwa, vanan'hyape. Akava na ing'anya ihile nawinang'e atongwele na lukumbi lwohelwohe lumpilikanile.
~LAHU YA 11
1. Munu akava na ing'anya vakamwamba kukola ihonjela vakanamba kumpelekedya kuvatongolela ing'anya yene. Lukumbi lupilikanila ing'anya luve lwa d'jahala chilambo chohechohe uchipilikana.
2. Munu vakamwamba kukola ihonjela ikavaidile kuva ing'anya pachilambo au pashelia. Munu vakan'tika lijamanda lipitile ihonjela yene.
~LAHU YA 12
Pavayikele vanu mmakaya mwavo munu anan'banihe munu mwave. Makaya na vilambo vivawunile vamakaya vohevohe, vinahapanye vanu.
~LAHU YA 13
1. Munu avele na wasa wa kwonga chalembela mwene na kuyikala kwalembela mwene n'chilambo.
2. Munu avele na wasa wa kuwuka pachilambo na kuwuya kavila n'chilambo mwake
~LAHU YA 14
1. Munu avele na wasa wa kutukutila m'milambo vinji na kuwuniwa na vilambo vinji vana'nmwalale.
2. Wasa unang'o ukapawa ndulu munu vakamwamba kukola ihonjela pashelia, hasa ding'anya dikavele dya siasa au chinji chinu chikavaila au chikalandana na matulubu la Umoja wa Vilambo.
~LAHU YA 15
1. Akava kwave munu ave na wasa wa kuva n'chilambo kama vachilambo vanji.
2. Munu akalambela mwene uhama vanan'nimbidye uhama n'chilambo na ubadili uchilambo wake.
~LAHU YA 16
1. Valume na vamahe vakudile vayikalane bila kulola dini wala litawa. Vayikalane uvalingilana pa-ulombi wavo na hata vakahapukana.
2. Ulombi upawe kama n'nume na n'mahe vakatamwana vene.
3. Ing'ande ivele na n'nume, n'mahe na vanyachi lyiva likolo lya litawa. Likolo anelyo lilembelewa liwuniwe pachilambo pohepohe.
~LAHU YA 17
1. Munu avele na wasa wakuva na dimali dyake mwene au dya kukundanila na vanji.
2. Munu vakampokonyola chihi dimali dyake.
~LAHU YA 18
Munu avele na wasa wa ding'ano, dini, na akalembela mwene aleke chihi dini, na avele na wasa wa kusokolela kuyoha kwa mahoka lake.
~LAHU YA 19
Munu avele na wasa wa kutongola palikuwa. Avele na wasa wa kuwunila ding'ano dyake bila kun'mahani. Avele na wasa wa kuhumya na kupwechela ding'ano, na hata usumba mapalu la vilambo, akalambela.
~LAHU YA 20
1. Munu avele na wasa wa kukojana na vanu vanji weka au mmakuwa.
2. Munu vanan'kolokohe ulundana na likuwa lya vanu.
~LAHU YA 21
1. Munu avele na wasa wa kukumila mwene au upitila kwaki munu atondolewidye na a'likuwa kunakumila kulipanda.
2. Vanu vakahapanyika pa kuyavana dihuduma dilembelewa n'makaya.
3. Lipanda lilondodye chilelembelewa na likuwa lya vanu. Vanu vene vakumilane kun'tondola munu wa kuyikala kulipanda.
~LAHU YA 22
Munu avele na wasa wa kuwuniwa na a'chilambo mwave, na vanu vohevohe vatumbame kukumilana na vilambo vinji kulunda vitukutuku vyohevyohe vilembelewa na umi wa kila munu.
~LAHU YA 23
1. Munu avele na wasa wa kutondola na kukola madengo na pa kukolela mdengo lene. Pavele na madengo munu vanamwine wasa wa kukola madengo.
2. Bila utondolewa, munu van'tomolele chinu chilandene na madengo lakodile.
3. Munu akakola madengo van'tomolele chinu chihumya vilyo vyake mwene, vajawe au n'twave na vanyachi vake.
4. Munu vakan'nimbidya kulundana na vavake kukola madengo chin'nkumi na kuwunila matulubu lavo.
~LAHU YA 24
Munu ave na wasa wa mbone wa kupumulila na chipindi chimaikana cha madengo. Wasa wapumulila van'tomolele (van'nipe).
~LAHU YA 25
1. Munu na kaya yake ave na wasa wa umi wa mbone. Nkaya vave na wasa wa kupata vilyo, vya kuwala, ing'ande, wasa wa kupata n'tela vakawuwula, na kuwuniwa na chilambo. Munu ave na wasa wa kulama pokoha madengo, pawuwula, akalamala, akava n'jani, akakongopala napakoha dyimongo dya kukolela madengo.
2. Chilambo chilundane uwunila vamahe na vanyachi. Vanyachi vohevohe vawuniwe, vanahapulanywe vavelekwidye mu'lombi na vavelekwidye pan'nyitu.
~LAHU YA 26
1. Munu avele na wasa wa kudeheni ilimu ya palikolo. Ilimu ya ufundi na ya pachihundyi ipawe, vasume vahulula.
2. Ilimu ilembelewa ilodye kudenga umi wake munu pakekuva munu, ilimu iyenjeje kumaikana munu kuva munu, iyenjeje wasa wake munu. Ilimu ilembelewa iyenjeje vanu kupilililana, ulongo, chinemba, na vanu vanahapukane ing'anya ya dini au litawa. Vanu valondodye luhengo lwa kuyopa chihongahonga kama chiulaididye Umoja wa Vilambo.
3. Kila munu avele na n'nyachi avele na wasa wa kutondola ilimu ya kumwing'a mwanyachi wake.
~LAHU YA 27
1. Munu anahulula kulundana mu'tamaduni payikala akalambela, kwona ukatapala vitukutuku vyohevyohe vya mu'tamaduni na kulundana na avake kudenga sayansi na matulubu lake.
2. Wunu wake munu na vilusuda vyake vyavilembela viwuniwe, vilusuda vihuma m' sayannsi, mitano na vinji vyavitendile mwene au vyatandilike.
~LAHU YA 28
Munu atungumane n'kaya, mulongo, n'nitawa n'chilambo na n'milambo mwohemwohe, utungumana kulandana na lilove alino.
~LAHU YA 29
1. Munu ave na wajibu n'kaya na mulongo mwake n'hnyuma wasa na wunu wake.
2. Vyatenda na kupoka munu vive n'mapalu la shelia. M'mapalu anemwo kaya na ulongo vimwing'e isima na wunu wake.
3. Wasa unang'o ulandane na matulubu la Umoja wa Vilambo.
~LAHU YA 30
Chinapawe chohechohe n'nilove alino chionekana na chilambo chohecho, vanu au munu wohewo upokonyola wasa uhauliwidye.