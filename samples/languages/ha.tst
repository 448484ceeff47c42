
~Gabatarwa 1
Tabbatar da adalci da ganin qima da samar da daidaito tsakanin al'umma shi ne tushen samar da 'yanci da gaskiya da kuma zaman lafiya a duniya.
Idan har aka yi watsi tare da raina 'yancin xan'adam, hakan zai iya haifar da halayen ta'addanci waxanda za su mamaye tunanin al'umma. Hakan ka iya haifar da tunanin samar da sabuwar duniya da mutane za su sami 'yancin faxin albarkacin bakinsu da 'yancin bauta da kuma daina jin tsoron kowa, domin waxannan sune burin kowanne talaka.
~Gabatarwa 2
Yana da muhimmanci kar a tilastawa mutum yin tunanin samarwa kansa mafita ta hanyar yin tawaye a kan zalunci da mulkin danniya da ake masa. Domin haka za a kare haqqin xan'adam ne kawai ta hanyar shimfixa dokoki.
Yana da muhimmanci a bunqasa cigaban kyakkyawar alaqa ta zumunci tsakanin al'umma.
~Gabatarwa 3
Mutanen da ke cikin Majalisar Xinkin Duniya sun jaddada imaninsu kan muhimman haqqoqin xan'adam da suka haxa da ganin qima da daraja da bayar da daidaitacciyar dama tsakanin maza da mata da tabbatar da bunqasar cigaba da kuma samar da kyakkyawar rayuwa.
~Gabatarwa 4
Haka nan qasashen da ke cikin Majalisar Xinkin Duniya tare da haxin gwiwar majalisar, sun xauki alqawarin bunqasa tare da samar da dukkan abubuwan da suka shafi kiyaye haqqoqin xan'adam.
Fahimtar waxannan haqqoqi da sanin 'yanci shi ne babban muhimmin abin da ya sa a ka yi tunanin gabatar da wannan qudiri.
~Gabatarwa 5
Saboda haka:
Babban Zauren Majalisar Xinkin Duniya ya yi Shelar Waxannan Dokoki Na Kare Haqqin Dan'adam a Duniya.
Majalisar ta amince da cewa domin samar da cigaba ga dukkan al'umma, an buqaci kowanne mutum da ya kiyaye wannan quduri (dokokin 'yanci) tare da sanya shi a ransa da kuma yin jihadi ta hanyar koyarwa da ilmantarwa domin a kiyaye waxannan haqqoqi da 'yanci. Haka kuma a bi duk wasu hanyoyin cigaba da ake da su domin a yaxa wannan qudiri tun daga mataki na qasa da matakin qasa da qasa da ma duniya baki xaya, domin ya zamana an samu manufa ta bai-xaya. Haka zalika ana son duk wasu qasashe da ke cikin wannan majalisa da su gabatar da wannan quduri ga jama'ar da ke qarqashin mulkinsu.
~Doka ta 1:-
Duk 'yan'adan ana haihuwarsu ne a matsayin 'yantattun 'ya'ya, kuma mutuncinsu da haqqoqinsu daidai yake da na kowa. Suna da tunani da cikakken hankali, saboda haka ake son duk mu'amalar da za su yi, ta kasance akwai 'yan'uwantaka a tsakani.
~Doka ta 2:-
Kowa na da damar cin moriyar waxannan dokokin na'yancin xan'adam, ba tare da nuna wani bambanci ba, kamar qabilanci da bambancin launin fata da na jinsi da na harshe da na addini da na siyasa ko kuma wani ra'ayi ko matsayi da ke da alaqa da qasar mutum ko wata qasar, mai 'yanci ko marar 'yanci, ko ma qarqashin kowanne irin mulki.
~Doka ta 3:-
Kowanne mutum na da damar gudanar da rayuwa tare da cikakken 'yanci da samun tsaro na rayuka da dukiya.
~Doka ta 4:-
Dokar ta hana bauta da bautarwa, ta kuma haramta cinikin bayi.
~Doka ta 5:-
Ba a yarda a yi wa kowa qeta ko azaba ba, haka kuma an haramta yi masa horo na keta haddi.
~Doka ta 6:-
Doka ta ba wa kowa damar cin moriyar zamansa mutum, a duk inda ya sami kansa.
~Doka ta 7:-
A doka kowa xaya ne babu bambanci, haka kuma suna da kariya iri xaya ta fuskar shari'a. Sannan kuma kowa na da kariyar shari'a a kan kowane nau'in bambanci wanda ya sava wa waxannan dokoki
~Doka ta 8:-
Idan mutum ya ga za a aikata abin da zai hana shi haqqoqinsa ko 'yancinsa da tsarin mulki ko dokar qasa ta tanadar masa, yana da damar kai qara gaban kotun musamman da qasarsa ta tanada domin yin hakan.
~Doka ta 9:-
Babu wanda za a tsare, ko a xaure, ko kuma a saka shi gudun hijira ba gaira ba dalili.
~Doka ta 10:-
Kowa na da 'yancin a daidaita shi da kowa a lokutan zaman kotu, kuma a ba shi dama domin a saurare shi a gaban kowa don ya kare kansa dangane da laifukan da ake tuhumarsa.
~Doka ta 11:-
1. Duk wanda aka kai shi kotu ana tuhumarsa da laifi ba zai tabbata mai laifi ba har sai kotu ta kama shi da laifin, kuma yana da damar kare kansa.
2. Babu wanda za a kama da aikata kuskure ko laifi in har dokar qasa ko ta duniya ba ta zartar da shi a matsayin laifi ba kafin ya aikata. Haka kuma ba za a zartar masa da hukunci ba fiye da wanda doka ta tanada.
~Doka ta 12:-
Babu wanda za a yi wa katsalandan ko leqen asirin abin da ya shafe shi ko iyalansa ko gidansa ko kuma kevantattun abubuwansa. Haka kuma ba za a keta alfarmarsa ko mutuncinsa ba domin yana da kariyar shari'a a kan ire-iren waxannan al'amura da suka shafe shi.
~Doka ta 13:-
1. Kowanne mutum na da 'yancin kaiwa-da-komowa, haka nan yana da cikakkiyar damar zama cikin jahar da yake so.
2. Mutum yana da 'yancin barin kowacce qasa ciki har da qasarsa ta haihuwa, kuma yana iya dawo wa a duk lokacin daya buqaci hakan.
~Doka ta 14:-
1. Kowanne mutum yana da 'yancin nema da samun mafakar siyasa a duk qasar da yake so.
2. Wannan 'yancin ba zai hana a tuhumi mutum ba matuqar an tabbatar da cewa ya aikata munanan laifuka na siyasa ko kuma wani laifi da ya sava wa dokokin Majalisar Xinkin Duniya.
~Doka ta 15:-
1. Kowanne mutum yana da 'yancin zama xan wata qasar.
2. Babu wanda za a qwace wa 'yancinsa na zama xanqasa ba tare da qwaqqwaran dalili ba, haka ba za a hana shi damar canza qasa ba, idan yana so.
~Doka ta 16:-
1. Maza da mata da suka balaga suna da 'yancin auren duk wanda suke so, kuma su hayayyafa ba tare da la'akari da bambancin launin fata ko na qasa ko kuma na addini ba. Haka kuma suna da 'yancin cigaba da zaman aure suna kuma da damar rabuwa.
2. Ba za a xaura aure ba sai da amincewar ma'auratan biyu (miji da mata).
3. Iyali sune tushen samar da kowane rukuni na al'umma, domin haka hakkin jaha ne sama musu dukkan kariya.
~Doka ta 17:-
1. Doka ta ba wa kowa 'yancin mallakar dukiya shi kaxai ko ta hanyar haxin gwiwa.
2. Babu wanda za a qwace wa dukiya ba tare da hakki ba.
~Doka ta 18:-
Kowanne mutum na da 'yancin yin tunani a kan kansa, yana kuma da 'yancin bin addinin da yake so tare da bayar da gaskiya da shi, shi kaxai ko cikin haxaka, a voye ko a bayyane. Yana kuma da damar gudanar da dukkanin abubuwan da wannan addini ya yi umarni.
~Doka ta 19:-
Kowanne mutum yana da 'yancin bayyana ra'ayinsa; wannan 'yanci kuwa ya hana a yi masa shisshigi kan wannan ra'ayi nasa, yana kuma da damar nema da karva da kuma fitar da duk wasu bayanai ta hanyar amfani da kafofin yaxa labarai ba tare da yin iyaka ba.
~Doka ta 20:-
1. Kowa na da 'yanci gudanar da taron qungiya cikin lumana.
2. Babu wanda za a tilastawa shiga wata qungiya.
~Doka ta 21:-
1. Kowanne mutum na da 'yancin taka rawa cikin sha'anin mulkin qasarsa da kansa ko ta hanyar wani wakili da ya zava.
2. Duk xanqasa na da 'yancin yin duk irin aikin da yake so a qasarsa.
3. Ra'ayin jama'a shi ne zai zama tushen gudanar da mulkin qasa. Sannan kowa zai bayyana ra'ayin nasa ne ta hanyar gudanar da sahihin zave, wanda ake gudanarwa a wani lokacin da aka ambata. Kuma kowa na da 'yancin yin wannan zave a asirce ta hanyar kaxa quri'a.
~Doka ta 22:-
Kowane mutum a matsayinsa na xanqasa, yana da 'yancin more jin daxin rayuwarsa cikin kwanciyar hankali da kyakkyawan tsaro. Zai more wannan jin daxi ne da haxin kan qasarsa da sauran qasashen duniya daidai da qarfin tattalin arzikin qasarsa. Haka kuma bunqasa tattalin arziki da jin daxin jama'a da inganta al'adu na cikin abubuwan da suke tabbatar da mutuncin mutum suna kuma qara masa qima.
~Doka ta 23:-
1. Duk mutum yana da 'yancin yin irin aikin da yake da ra'ayi, kuma dole ya sami kariyar dukkan haqqoqinsa na aiki, da kuma samar masa kariya daga rasa aikin.
2. Ba tare da nuna bambanci ba, dole ne a biya kowa haqqinsa na aikin da ya yi.
3. Duk wani ma'aikaci sai an biya shi albashi mai tsoka wanda zai xauki xawainiyarsa da ta iyalansa, za kuma a kare musu qima da duk wasu matsaloli da kuma sama musu jin daxin rayuwa.
4. Kowa na da 'yancin shiga da kafa qungiyar kasuwanci domin kare mutuncinsa.
~Doka ta 24:-
Kowa na da 'yancin samun hutu a wurin aiki da qayyadadden lokacin gudanar da aikin, haka kuma a qalla ya sami hutu na wani lokaci da aka tsara tare da albashinsa.
~Doka ta 25:-
1. Kowa na da haqqin samun kyakkyawar rayuwa da isasshiyar lafiya, samun alheri a kan kansa da iyalansa, wato samun abubuwa da suka shafi abinci da sutura da mahalli da kula da lafiya da duk wasu abubuwa na jin daxin rayuwa da samun kariya daga rashin ayyukan yi da cututtuka da kulawa da nakasassu da zawarawa da tsofaffi da taimakawa mutum kan duk wani abu da ya gagare shi.
2. Mata da yara suna da damar samun kariya ta musamman. Duka yaran da aka haifa ta hanyar aure ko kafin aure za a sama musu kulawa iri xaya.
~Doka ta 26:-
1. Kowa na da haqqin samun ilimi. Ilimin ya zama kyauta a qalla a matakin firamare, kuma ilimin firamaren ya zama dole. Shi kuwa ilimin fasaha da na sana'a har ma da manyan makarantu ya kasance qofofinsu a buxe suke ga kowa muddin an cika qa'idojin samunsu.
2. Dole ne manufar ilimi ta kasance ta xaukaka darajar xan'adam da qarfafa kiyaye haqqoqinsa da 'yancinsa , haka zalika ilimi abu ne da zai taimaka wajen bunqasa fahimtar juna, da juriya da zumunci tsakanin al'umma, tare da kawar da bambance-bambancen launin fata da na addini. Haka kuma ya kawo cigaban ayyukan Majalisar Xinkin Duniya na tabbatar da zaman lafiya a duniya.
3. Iyaye ke da alhakin zava wa 'ya'yansu irin ilimin da za a koyar da su.
~Doka ta 27:-
1. Kowanne mutum na da 'yancin bayar da gudummawa gwargwadon ikonsa ga dukkan al'adun al'ummarsa, tare da cin moriyar abubuwan da ake qagowa domin nishaxi. Haka kuma yana da damar taimakawa ga cigaban kimiyya da fasaha, ko kuma yin amgfani da binciken kimiyya da fasahar da al'ummarsa ta gano.
2. Kowa na da hakkin kariyar kyawawan xabi'u da wasu muhimman lamura domin cin moriyar abin da ya qirqiro a fannin kimiyya da wallafe-wallafe ko wani aiki na qirqira da shi ya wallafa.
~Doka ta 28:-
Hakkin kowa ne gani an samar da doka cikin gida da waje, domin tabbatar da cewa waxannan dokoki na haqqin xan'adam da Majalisar Xinkin Duniya ta tsara sun sami shiga a duk faxin duniya.
~Doka ta 29:-
1. Nauyin mutum ne gudanar da ayyuka ko bautawa al'ummarsa wadda a cikinta ne yake da tabbacin samun cigaba.
2. Domin morewa 'yanci da haqqoqi, ba a son mutum ya wuce iyaka. Wato ana so mutum ya kiyaye haqqoqin sauran jama'a, tare da nuna halayyar xa'a da kiyaye doka da sauransu kamar yadda yake a tsari na al'ummar da take gudanar da tsari na dimokraxiyya.
3. Ba a yarda a yi amfani da waxannan dokokin 'yanci da kare haqqi ba, ko a gabatar da su ta wata siga savanin yadda Majalisar Xinkin Duniya ta shimfixa.
~Doka ta 30:-
Babu wata doka da ta ba wa wata qasa ko wata qungiya ko wani mutum damar rushe waxannan dokoki da Majalisar Xinkin Duniya ta zartar.