
~Intangamarara 1
Ibonye ko kwemera ko abantu bose bategerezwa guhabwa agateka n'ukubahirizwa kimwe, ari ryo shingiro ryukwishira n'ukwizana, ubutungane n'amahoro kw'isi.
Ibonye ko kutemera n'ukudakwirikiza ingingo zubahiriza zina muntu vyatumye hakorwa amabi atagira uko avugwa kandi ko isi izira ubwicanyi n'amaganya, abantu bose bakavuga kandi bakemera uko bavyifuza ari yo yemejwe ko zina muntu wese anyotewe imbere ya vyose.
~Intangamarara 2
Ibonye ko ari nkenerwa ko ingingo zubahiriza zina muntu zubahirizwa n'amategeko atomoye kugira ngo umuntu, aburaniwe, ntaruhire kwiyamiriza agahotoro n'akarenganyo,
Isanze ko mu Masezerano y'Ishirahamwe Mpuzamakungu, amakungu yongeye kwemeza ko ashigikiye ingingo ngenderwako zubahiriza zina muntu wese, agateka n'agaciro twiwe; ko abantu bose bangana ata kuraba umuhungu n'umukobwa, kandi ko biyemeje gushigikira iterambere ry'abanyagihugu bakarushiriza kwishira n'ukwizana,
~Intangamarara 3
Ibonye ko ari nkenerwa gushigikira iterambere ry'imigenderanire y'ubucuti mu makungu,
Isanze ko ibihugu buhurikiye mw'Ishirahamwe Mpuzamakungu vyiyemeje, bifadikanije n'Ishirahamwe Mpuzamakungu, kwubahiriza hose ingingo zubahiriza zina muntu wese,
~Intangamarara 4
Ibonye ko gutomorera hamwe izo ngingo zubahiriza zina muntu biri n'akamaro ntangere mu kurangura neza iryo banga vyishinze,
Inama Nkuru y'Ibihugu bihirikiye mw'Ishirahamwe Mpuzamakungu:
Irememje ko ibi bimenyeshejwe n'amakungu ku ngingo zubahiriza zina muntu wese ari yo ntambwe abanyagihugu bose n'amakungu yose bategerezwa gushikako kugirango abantu n'inzego zose, bamije ku mutima izo ngingo, biteho, mu nyigisho no mu ndero, gusasagaza iryubahirizwa ryazo, bongere batume zemerwa kandi zikwirikizwa hose mu bihugu bihurikiye mw'ishirahamwe mpuzamakungu no mu ntara bitegeka.
~Ingingo ya 1.
Abantu bose bavuka bishira bakizana kandi bangana mu gateka no mu ngingo zibubahiriza. Bafise ubwenge n'umutima kandi bategerezwa kwubahana nk'abavandimwe.
~Ingingo ya 2.
Umuntu wese arashobora kwishimikiza ingingo zose zubahiriza zina muntu zemejwe muri ibi bimenyeshejwe, ata kuraba ubwoko, urukoba, umuhungu n'umukobwa, ururimi avuga, ivyiyumviro vyiwe muri politike, igihugu aturukamwo, ivyo atunze, amavuko yiwe canke ibindi.
Vyongeye, nta macakubiri namwe azogirwa ashimikiye ku buryo igihugu canke intara umuntu avamwo gitunganijwe, ico gihugu canke iyo ntara vyaba vyishira bikizana, bishinzwe n'Ishirahamwe Mpuzamakungu bititegeka canke hari ikindi kibibuza kwishira bikizana.
~Ingingo ya 3.
Umuntu wese ategerezwa kwubahirizwa n'ugukingirwa mu buzima bwiwe, akishira akizana.
~Ingingo ya 4.
Nta muntu n'umwe azogirwa umushumba canke ngo akoreshwe buja. Ubushumba n'ukugurisha abashumba, mu buryo ubwo ari bwo bwose, birabujijwe.
~Ingingo ya 5.
Nta muntu n'umwe azokubagurwa canke ngo acurwe bufuni na buhoro.
~Ingingo ya 6.
Umuntu wese ategerezwa kwubahwa akubahirizwa aho ari hose.
~Ingingo ya 7.
Abantu bose barangana imbere y'amategeko kandi bategerezwa kwubahirizwa kimwe kugirango ntihagire uwurengnwa canke ngo ahirahire atume hari uwurenga izi ngingo zimenyeshejwe.
~Ingingo ya 8.
Iyo hari uwurenganijwe mu ngingo ngenderwako zimwubahiriza nk'uko bitegekanijwe mw'ibwirizwa nshingiro canke mu mategeko y'igihugu, umuntu wese arashobora kwitwara imbere y'amasentare yose abifitiye ububasha kandi akumvirwa.
~Ingingo ya 9.
Nta muntu n'umwe ashobora gufatwa, gutabwa mw'ibohero canke kwangazwa bidaciye mu mategeko.
~Ingingo ya 10.
Umuntu wese arashobora gusaba ko urubanza rwiwe ruja imbere ya sentare itagira aho yegamiye kandi itaraba nkunzi, izoheza igatomora ari ingingo zimwubahiriza n'ivyajejwe, canke ko ivyo yagirizwa hari aho bifatiye.
~Ingingo ya 11
1. Umuntu wese yagirizwa icaha abameze nkuwuhorwa ubusa gushika bakimwemeje mu rubanza ruciwe icese kandi yarekuriwe kwiburanira uko bikwiye.
2. Nta muntu n'umwe ashobora guhanirwa ivyo yakoze canke atakoze kandi bitari ivyaha igihe yabikora canke atabikora hishimikijwe amategeko y'ubutungane akurikizwa mu gihugu arimwo canke mu makungu. Vyongeye, nta gihano kiruta icari gutangwa igihe icaha cakorwa kizotangwa.
~Ingingo ya 12.
Bidaciye mu mategeko, nta muntu n'umwe azoterwa mu vyerekeye ubuzima bwiwe, umuryango wiwe, urugo rwiwe canke kwaburirwa amakete arungika canke aronka, canke ngo artyozwe mw'iteka n'akabanga vyiwe. Hategerezwa kuba amategeko yubahiriza umuntu wese muri ubwo buryo.
~Ingingo ya 13.
1. Umuntu wese ashobora kugenda aho ashatse kandi agashinga urugo aho ashimye mu gihugu.
2. Umuntu wese ararekuriwe kuva mu gihugu ico ari co cose, na rwiwe ndetse, akagaruka mu gihugu c'amavukiro.
~Ingingo ya 14.
1. Umuntu wese, igihe acurwa bufuni na buhoro, ararekuriwe kwaka agatako akaronka indaro mu bindi bihugu.
2. Ariko iyi ngingo ntishobora kuba icitwazo iyo umuntu akwirikiranwa bikwiye ku kibi yakoze canke yigenjeje kubiri n'imigambi n'ingingo vy'Ishirahamwe Mupuzamakungu.
~Ingingo ya 15.
1. Umuntu wese ategerezwa kugira igihugu akukira.
2. Nta muntu n'umwe ashobora kwonkorwa ku gihugu akukira canke ngo yamburwe ububasha bw'uguhindura igihugu ashaka gukukira, bidaciye mu mategeko.
~Ingingo ya 16.
1. Kuva bageze mu bigero, umuhungu n'umukobwa barashobora kwabirana bagashinga urwabo, ata ntambamyi n'imwe yerekeye ubwoko, amamuko canke idini. Barangana kuvyerekeye ukwabirana, igihe bubatse n'igihe batandukanye.
2. Abashaka kwabirana bategerezwa kumvyumvikanamwo ubwabo ata gahato.
3. Umuryango ni wo nkomoko y'abantu n'inkingi y'abanyagihugu. Utegerezwa gukingirwa n'abantu be n'igihugu.
~Ingingo ya 17.
1. Umuntu wese aba wenyene canke afatanije n'abandi arashobora kwitungira ivyiwe.
2. Nta n'umwe ashobora kunyagwa ivyo yitungiye bidaciye mu mategeko.
~Ingingo ya 18.
Umuntu wese arashobora kugira ivyiyumviro vyiwe n'ugukwirikira idini ashatse n'ukuvuga rero ko ashobora kuja mu rindi dini n'ukwemera ibindi agashobora n'ugukwirikiza idini ashimye n'ivyo nyene yemera, ari wenyene canke afadikanije n'abandi, iwe canke icese, mu kuvyigisha, mu kubigendera icese, mu gusenga no mu gukwirikiza ibindi bijana na vyo.
~Ingingo ya 19.
Umuntu wese arashobora guserura ivyiyumviro vyiwe, n'ukuvuga ko adashobora kugira umutima uhagaze kuvyerekeye ivyiyumviro vyiwe, ko ashobora kurondera, kuronka n'ukumenyesha amakuru n'ivyiyumviro mu mihingo yose, mu buryo ubwo ari bwo bwose.
~Ingingo ya 20.
1. Umuntu wese arashobora kugira inama hamwe n'abandi, n'ugushinga amashirahamwe, ariko bidahungabanya amahoro.
2. Nta n'umwe ategetswe kuja mw'ishirahamwe ku gahato.
~Ingingo ya 21
1. Umuntu wese arafise ijambo mu ntwaro y'igihugu ciwe, akabigira yiserukiye wenyene canke abicishije kubamuserukira batowe ata gahato.
2. Umuntu arashobora, hatarabwe nkunzi, gushingwa amabanga mu ntwaro y'igihugu ciwe.
3. Ishaka ry'abanyagihugu ni ryo ritegerezwa kuba ishingiro ry'ububasha bwabarongora igihugu, iryo shaka ritegerezwa kugararagarizwa mw'itora nyakuri ritegerezwa kwama riringanizwa uko ikiringo cashinzwe kigeze atawukumiriwe, biherereye canke bakwirikije ubundi buryo butuma batora uko bavyipfuza.
~Ingingo ya 22.
Umuntu wese ategerezwa gukingirwa. Ategerezwa gushimishwa mu vyerekeye ubutunzi, imibano n'imico kama, ivyo bikaba ari vyo shimikiro ry'agateka n'iterambere ryiwe, bivuye ku mwete w'igihugu no kugufashanya kw'amakungu bigashimikira kw'itunganywa n'amatungo vy'igihugu kimwe kimwe.
~Ingingo ya 23.
1. Umuntu wese ategerezwa kuronka akazi, gukora akazi ashatse we nyene, gukora mu buryo buzira akarenganyo kandi nyabwo.
2. Abantu bose bakoze bimwe bategerezwa kuronka agahembo kamwe ata nkunzi.
3. Umukozi wese ategerezwa kuronka agahembo gakwiranye n'imirimo arangura kandi nyako, komutunga we n'abiwe bakibeshaho mw'iteka, kakongezwa, mbere bishobotse bakamuha n'utundi tujana n'amategeko amwubahiriza.
4. Umuntu wese arashobora kwiyungunganya n'abandi kugira bashinge amashirahamwe y'abakozi. Arashobora kandi kuba umunywanyi wayo kugira aharanire ineza yiwe.
~Ingingo ya 24.
Umuntu wese akeneye kuruhuka n'ivyo vyose bimuruhurira, ntakore ikiringo c'umurengera, akama aronka akaruhuko kandi akaguma ahembwa.
~Ingingo ya 25.
1. Umuntu wese ategerezwa kuronka ibikwiye bimufasha kubungabunga neza amagara yiwe n'ay'umuryango, mu ngaburo, mu vyambarwa, mu buraro, mu kwivuza n'ibindi nkenerwa ku muntu; ategerezwa kubungabungwa mu gihe atagira akazi, arwaye, amugaye, apfakaye, mu gihe atagishobora gukora kubera ubusaza, no mu bindi bihe atagishobora gukora kubera ubusaza, no mu bindi bihe atagishobora kwitunga kandi bitamuturutseko.
2. Umuvyeyi yibarutse n'umwana bategerezwa kwitabwaho kurushiriza. Abana bose bavutse ku babiranye canke kubatabiranye bategerzwa kwitabwaho kimwe.
~Ingingo ya 26.
1. Umuntu wese akwiye kuronka inyigisho ataco atanze, cane cane mu y'intango ari yo ngenderwako. Inyigisho y'intango itegerezwa gutangwa vyanse bikunze. Inyigisho yerekeye ubuhinga n'imyuga itegerezwa gukwizwa hose, inyigisho yo mu mashule yisumbuye itegerezwa guhabwa ababishoboye bose, ata nkunzi.
2. Intambwe inyigisho itegerezwa kwitwararika gushikako n'uko zina muntu ashikira iterambere nyakuri n'uko ingingo zimwubahiriza zirushirizaho kwubahirizwa. Itegerezwa gufasha amakungu yose amoko n'amadini yose kwumbikana, kwihanganiranira n'ugucudika, ikongera igafasha Ishirahamwe Mpuzamakungu mu vyo irangura kugirango ibungabunge amahoro.
3. Abavyeyi ni bo bategerezwa kwitorera indero abana babo bakwiye kuronka.
~Ingingo ya 27
1. Umuntu wese arashobora gukwirikirana ata nkomanzi ivyerekeye imico n'utugenegene vy'aho aba be no guteza imbere ubuhinga akagira n'ico avyungukako.
2. 2. Umuntu wese ategerezwa kwubahirizwa kavyavuye mu bwenge bwiwe ari ivy'ubuhinga, ibitabu yanditse canke ivy'utugenegene.
~Ingingo ya 28
Umuntu wese arakeneye ko mu gihugu abamwo no mu makungu hasasagara amahoro kugirango ingingo zubahiriza zina muntu wese zitegekanijwe mu bimenyeshejwe zubahirizwe hose.
~Ingingo ya 29.
1. Umuntu wese ari n'ivyo ajejwe aho aba, ari naho honyene ashobora gushikira iterambere nyakuri yipfuza.
2. Nta muntu n'umwe ashobora kwitwaza ingingo zimwubahirirza mu gihe ashaka kurenganya abandi, gurtyoza imigenzo mwiza, kudurumbanya umutekano n'ineza biranga intwaro rusangi.
3. Izo ngingo zubahiriza zina muntu wese ntizishobora gukwirikizwa mu buryo budurumbanya imigambi n'ingingo vy'Ishirahamwe Mpuzamakungu.
~Ingingo ya 30.
Nta ngingo n'imwe y'ibi bimenyeshejwe ishobora gufatwako icitwazo n'igihugu, umurwi w'abantu canke umuntu mugukora ibisambura izi ngingo zubahiriza zina muntu wese.