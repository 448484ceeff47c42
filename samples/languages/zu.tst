
~Isandulelo 1
Ngokunjalo ukwamukelwa ngokuzuzwa kwesithunzi samalungelo alinganayo najwayelekile awowonke amalunga omndeni wesintu kuyisisekelo senkululeko, sobulungiswa noxolo emhlabeni,
Ngokunjalo ukunganakwa nokwedelelwa kwamalungelo esintu kube nomphumela wezenzo zobuqaba eseziqede unembeza kubantu, kanye nomhlaba obhekwe isintu ukuba senamele inkululeko yokukhuluma nokukholwa, inkululeko yokungesabi futhi nokufuna kugunyazwe ugqozi kubobonke abantu,
~Isandulelo 2
Ngokunjalo kudingekile, uma umuntu engenakuphoqwa ukulandela umgudu othize, njengendlela yokugcina, avukele ababusi nabacindezeli, ukuze amalungelo esintu avikelwe ngokubusa ngomthetho,
Ngokunjalo kudingekile ukuba kwenyuswe ukuthuthukiswa kobungane nobudlelwane phakathi kwezizwe,
~Isandulelo 3
Ngokunjalo abantu beNhlangano yeZizwe bayinqinisile inkolo yabo yengqalasizinda yamalungelo oluntu kuCharter, esithunzini nobuntu emalungelweni alinganayo abesilisa nabesifazane futhi bazimisele ukuqhubela phambili inqubekelaphambili yomphakathi namazinga angcono empilo enkululekweni ethe xaxa,
~Isandulelo 4
Ngokunjalo aMalunga eMibuso azibophezele mathupha ukuthuthukisa, ngokubambisana neNhlangano yeZizwe, ukuthuthukiswa kwenhlonipho emhlabeni wonke nokuqashelwa kwamalungelo oluntu nengqalasizinda yenkululeko,
Ngokunjalo ukuqondwa kahle ngokufanayo kwalamalungelo nenkululeko kubaluleke kakhulu ukuze lokhu kuzibophezela kuqashelwe,
~Isandulelo 5
MANJE, NGAKHOKE
UMGWAMANDA
UNQUMA uGunyazo lwaMalungelo oLuntu Jikelele njengezinga elifanayo lokuthuthukiswa kwabantu nezizwe zonke, ekugcineni okuzokwenza ukuthi umuntu ngamunye kunoma isiphi isigaba somphakathi ngokugcina lolawulo emqondweni baphokophelele ngokufundisa nangemfundo ukuphakamisa inhlonipho yalamalungelo nenkululeko futhi nangenqubekelaphambili, ezweni noma emhlabeni jikelele, baqinisekise ukwamukelwa okuvumelekile nokuqashelwa jikelele ndawozombili phakathi kwabantu baMalunga eMibuso qobo lwabo kanye nabantu abangaphansi kwemibuso yabo.
~Isigaba 1
Bonke abantu bazalwa bekhululekile belingana ngesithunzi nangamalungelo. Bahlanganiswe wumcabango nangunembeza futhi kufanele baphathane ngomoya wobunye.
~Isigaba 2
Wonke umuntu kumele awathole wonke lamalungelo nenkululeko ebhalwe kuloluGunyazo, ngale kokwehlukaniswa, ngokobuhlanga, ngokwebala, ngokobulili, ngokolimi, ngokwenkolo, ezombangazwe noma umbono, ubuzwe noma imvelaphi, umhlaba, ukuzalwa noma isiphi-ke nje esinye isimo.
Ngaphezu kwaloko, akukho kuhlukaniswa okuyokwenziwa ngenxa yezombangazwe, isimo sokwenganyelwa kwezwe noma imingcele yezwe umuntu ahlala kulo, noma ngabe uzimelegeqe, ubanjelwe, ozibuse noma uphansi kolawulo olunqunyelwe.
~Isigaba 3
Wonke umuntu unelungelo lempilo, lenkululeko nelokuphepha.
~Isigaba 4
Akekho oyoba isigqila noma agqilazwe, ukuhweba ngezigqila kuyovinjwa ngezindlela zonke.
~Isigaba 5
Akekho oyohlukunyezwa noma aphathwe ngobulwane ajeziswe ngokwehliswa isithunzi.
~Isigaba 6
Wonke umuntu unelungelo lokwemukelwa nomaphi njengomuntu phambi komthetho.
~Isigaba 7
Sonke siyalingana phambi komthetho futhi kufanele umthetho usivikele ngokulinganayo ngale kokubandlulula. Sonke kufanele sivikelwe ngokulinganayo ekubandlululweni, ngokungagcinwa kwaloluGunyazo futhi nasekukhuthazweni kwanoma luhloboluni lobandlululo.
~Isigaba 8
Wonke umuntu unelungelo lokuthola usizo oluyilo ezinkantolo ezibekiwe ngezenzo ezephula isisekelo samalungelo anikezwe wona umthethosisekelo noma umthetho.
~Isigaba 9
Akekho oyoboshwa, avelelwe noma adingiswe ngokungekho emthethweni.
~Isigaba 10
Wonke umuntu kumele alalelwe obala ngokulingana okugcwele nangeqiniso, inkantolo engavuni futhi ezimele, ekutholweni kwamalungelo akhe nezimiselo zakhe noma ngabe iliphi icala abekwe lona.
~Isigaba 11
1. Wonke umuntu obekwe icala elidinga isijeziso unelungelo lokuthathwa njengomsulwa kuze kutholakale ukuthi impela unecala ngokomthetho enkantolo evulekile lapho enikwe iziqiniseko ezidingekile zokuzivikela.
2. Akekho oyotholwa enecala ngecala elidinga isijeziso ngenxa yanoma isiphi isenzo noma iphutha elalingelona icala elidinga isijeziso ngaphansi komthetho wezwe noma kazwelonke, ngenkathi lenzeka. Noma anikwe isijeziso esinzinyana kunaleso esasifanele ngenkathi kwenzeka lelocala.
~Isigaba 12
Akekho okuyogaxekwa, ngokungemthetho ezindabeni zakhe zangasese, emndenini, ekhaya noma ezincwadini azithumelayo nazitholayo, noma ukuhlaselwa kwesithunzi nokuhlonipheka kwakhe. Wonke umuntu unelungelo lokuvikelwa kulokho kuhlaselwa nokugxambukela.
~Isigaba 13
1. Wonke umuntu unelungelo lokuhamba ngenkululeko nokuhlala phakathi kwemingcele ezungeze imibuso ehlukene.
2. Wonke umuntu unelungelo lokushiya izwe lakhe, futhi abuye abuyele kulo.
~Isigaba 14
1. Wonke umuntu unelungelo lokucela ukuhlala akhosele kwamanye amazwe ebalekela ukuphathwa kabuhlungu.
2. Lelilungelo alinakusetshenziselwa ukubalekela ukushushiswa okufanele okuvela ngamacala angahlangene nezombangazwe noma ngezenzo ezingqubuzana nezinhloso nemigomo yeNhlangano yeZizwe.
~Isigaba 15
1. Wonke umuntu unelungelo lobuzwe.
2. Akekho oyokwenqatshelwa ngokungemthetho noma ancishwe ilungelo lokuguqula ubuzwe bakhe.
~Isigaba 16
1. Abesilisa nabesifazane asebeneminyaka efanele yobudala banelungelo lokuganana bakhe unmdeni, ngale kwezihibe zobuhlanga, ubuzwe noma inkolo. Kufanele babenamalungelo alinganayo ngokomshado, ngenkathi beshadile noma usuhlakazekile umshado.
2. Umshado kuyongenwa kuwo kuphela ngenkululeko nangemvume ephelele yalabo abashadayo.
3. Umndeni uyimvelo nesizinda somphakathi okufanele uvikelwe umphakathi noMbuso.
~Isigaba 17
1. Wonke umuntu unelungelo lobunikazi bempahla eyedwa noma ehlanganyele nabanye.
2. Akekho oyokwephucwa ngokungekho emthethweni impahla yakhe.
~Isigaba 18
Wonke umuntu unelungelo lokucabanga ngenkululeko, unembeza nenkolo, lelilungelo lihlanganisa inkululeko yokuguqula ukholo noma inkolelo noma ngabe eyedwa noma nabanye emphakathini, obala noma ngasese, ukucacisa inkolo noma ukukholwa kwakhe ngokufundisa, ngokwenza, nokukhonza nangokulandela.
~Isigaba 19
Wonke umuntu unelungelo lokuveza umbono ngenkululeko, lelilungelo lihlanganisa inkululeko yokubeka imibono ngaphandle kokuthikanyezwa, futhi nokuthungatha, ukwamukela nokukhipha ulwazi nemiqondo nganoma iyiphi indlela yokusakaza ngale kwezihibe.
~Isigaba 20
1. Wonke umuntu unelungelo lokuhlanganyela ngokukhululeka embuthanweni woxolo.
2. Akekho oyophoqwa ukuba yilunga lenhlangano.
~Isigaba 21
1. Wonke umuntu unelungelo lokubamba iqhaza kuhulumeni wezwe lakhe, ngokwakhe ngqo noma ngabakhulumeli abakhethwe ngokukhululekile.
2. Wonke umuntu unelungelo elilinganayo lokuthola usizo lomphakathi olufanayo ezweni lakhe.
3. Intando yabantu yiyo eyoba isizinda segunya likahulumeni. Lentando iyovezwa okhethweni lwempela ngezikhathi ezithile oluyoba ujikelele futhi lufane ndawozonke. Luyokwenziwa ngokhetho oluyimfihlo noma ngenqubo yokhetho olukhululekile.
~Isigaba 22
Wonke umuntu, njengelunga lomphakathi, unelungelo lukuphepha emphakathini futhi kufanele aziwe, ngemizamo yezwe nokubambisana kukazwelonke futhi nangokuhambisana nezinhlangano nemithombo yeMibuso ehlukene, kwezomnotho, amalungelo amasiko nenhlalo angenakulahlwa ngesithunzi sakhe nokuthuthukisa ubuyena ngenkululeko.
~Isigaba 23
1. Wonke umuntu unelungelo lokusebenza, nokuzikhethela ngenkululeko umsebenzi, nezimo zomsebenzi ezivunelekile nezilungile futhi nokuvikelwa uma elahlekelwe umsebenzi.
2. Wonke umuntu, ngaphandle kokubandlululwa, unelungelo lokuhola imali efanayo ngomsebenzi ofanayo.
3. Wonke umuntu osebenzayo unelungelo lomholo ofanele novumelekile ukuqinisekisa ubukhona besithunzi sobuntu bakhe nomndeni wakhe, kulekelelwa, uma kundingekile, ezinye izindlela zokuvikeleka komphakathi.
4. Wonke umuntu unelungelo lokubumba noma lokuba ilunga lenyunyana ukuze kuvikeleke izidingo zakhe.
~Isigaba 24
Wonke umuntu unelungelo lokuphumula nokungcebeleka, kuhlangene nemikhawuko yamahora okusebenza, namakhefu akhokhelwayo ezikhathini ezithize.
~Isigaba 25
1. Wonke umuntu unelungelo lezinga lempilo nenhlalakahle eyenelisayo yakhe nomndeni wakhe, khuhlangene nokudla, okokwembatha, izindlu, ukunakekelwa ngezokwelashwa kanye nemisebenzi yomphakathi, nelungelo lokuvikeleka uma engasebenzi, egula, ekhubazeka, eshonelwa, eguga noma-ke ikuphi ukukhubazeka okungamehlela ngesimo angenamandla okusinqanda.
2. Omama nabantwana kumele banakekelwe futhi balekelelwe ngokunqala impela. Bonke abantwana noma bezalwe ngaphandle komshado bayothola ukuvikelwa okufanayo emphakathini.
~Isigaba 26
1. Wonke umuntu unelungelo lemfundo. Imfundo iyotholakala ngesihle, okungenani emabangeni aphansi ayingqalasizinda. Imfundo eyisingeniso iyoba ngeyempoqo. Imfundo yobuchwepheshe neyenzululwazi iyokwenziwa ibe khona ngokwejwayelekile bese kuthi imfundo ephakeme itholakale kubobonke ngobunjalo babo.
2. Imfundo iyoqonda ekuthuthukiseni ubuntu ngokugcwele nasekuqiniseni inhlonipho yamalungelo abantu nengqalasizinda yenkululeko. Iyothuthukisa ukuzwana, ukubekezelelana nobungane phakathi kwezizwe, kwamaqembu ezinhlanga nezenkolo, futhi iyoqhubela phambili imikhankaso yeNhlangano yeZizwe ekugcineni uxolo.
3. Abazali banelungelo lokuqala lokukhetha uhlobo lwemfundo eyonikezwa abantwana babo.
~Isigaba 27
1. Wonke umuntu unelungelo elikhululekile lokuzimbandakanya empilweni yamasiko omphakathi, athokozele amakhono, ahlomule entuthukweni yezesayensi nasezinzuzweni zayo.
2. Wonke umuntu unelungelo lokuvikeleka kwezifiso ezisemqoka ezingumphumela womkhiqizo wezobusayensi, wombhalo okukanye wekhono elithize abengumsunguli wako.
~Isigaba 28
Wonke umuntu emphakathini nasemhlabeni kumele athole lamalungelo nenkululeko echazwe kuloluGunyazo.
~Isigaba 29
1. Wonke umuntu uneqhaza emphakathini okuwukuphela kwendawo lapho ukukhululeka nokuthuthuka kwakhe kungenzeka khona.
2. Ekusebenziseni amalungelo nenkululeko yakhe, umuntu uyokwenza lokho okulinganiselwe njengokulawula komthetho, ngenhloso eyodwa yokuqinisekisa ukwamukelwa nenhlonipho yamalungelo nenkululeko yabanye abantu, futhi nokuhlangabezana nezidingo ezinobulungiswa nobuqotho, ukuqonda komphakathi kanye nezenhlalakahle jikelele emphakathini wentando yeningi.
3. Lamalungelo nenkululeko akunakusetshenziswa ngokuphambana nezinhloso nemigomo yeNhlangano yeZizwe.
~Isigaba 30
Akukho lutho okukuloluGunyazo okuyohunyushwa ngokuthi kuthi uMbuso mumbe, iqembu noma umuntu unelungelo lokwenza noma isiphi isenzo sokuthikameza noma imaphi amalungebo nenkululeko echazwe ngaphezulu.