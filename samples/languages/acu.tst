
~Aints Mash Tu Pujusarti Tusar Nintimji 1
Aints ainau mash pengker pujusartas wakerinawai. Aints ainauti mash metek ainaji. Tu nintimsar pujakrikia chikich ainaun wait wajaktinka susashtinuitji. Antsu mash metek nuwanmaya akiinau asar, maanitsuk pengker nintimsar pujustinuitji. Nekas tu awai tusar nekaji. Tura waininayat nuna nintimtsuk aints ainau chikich ainaun pengke pase awaju weenawai. Tura asaramtai mash nungkanmaya ainau nuna nintimsar: Nuka pengke paseyaitai, tinawai. Turasha aints ainautikia ii wakeramurisha paan etserkatasar wakeraji. Nuniasha ji wakerajina nuke nintimratasar wakeraji. Turasha angkan pengke shamtsuk tura yumatsuk pujustasar wakeraji. Mash nungkanmaya ainauka tu pujustasar wakerinawai. Nekas tu awai tusar nekaji.
~Aints Mash Tu Pujusarti Tusar Nintimji 2
Aints angkan pengker pujustatkama tujintak: Wisha iturkatjak. Apu ainau wina yaintsuk pachichamtaisha, wina pase awajtinamtaikia wiki maaniktinuitjai, tawai. Tu tinau asamtai apu ainau: Atsa, maanitsuk pujustaram, antsu angkan pujustaram tusar yaingkiartinuitai. Nekas tu awai tusar nekaji.
Tura asar chikich nungkanmaya ainaujai maanitsuk pengker nintimtunisar wainaikiami taji. Nekas tu awai tusar nekaji. Apu ainau iruntramunam aints tu pujusarti tinu asar, ataksha chichainak: Aishmang ainausha, tura nuwa ainausha mash metek pengker awajnaisatnuitji tusar nekasar mash metek tu nintimkurkia, angkan shamtsuk pengker nintimsar pujustinuitji. Tura asar aints ainau iruntrar maanitsuk timia pengker pujusarti tusar wakeraji. Turasha angkan pengkej yumatsuk pujusarti tusar wakeraji. Nuka nekas pengkeraitai, taji.
~Aints Mash Tu Pujusarti Tusar Nintimji 3
Tura chikich nungkanmaya ainauka iruntrar: Apu iruntramunam tiarmia nunaka turatnuitji, mash tiarmiayi. Apu ainau mash nungkanam pujuinau ni aintsri ainaun pengker wainkar: Mash metek nintimtunisar maanitsuk tura shamtsuk angkan pengker pujusarti, taji. Nuka nekas pengkeraitai, taji.
Aints mash metek nuwanmaya akiinau asar, angkan pengker nintimsar pujusartinuitai. Tura asaramtai aints ainau nuna nekaawarti tusar, turasha iijai metek pengker nintimtunisar pujusarti tusar, aints mash ju etserkamun antukarti tusar wakeraji.
~Aints Mash Tu Pujusarti Tusar Nintimji 4
Tura asar:
Apu Ainau Iruntrar Pujuinamtai Mash Nungkanam Pujuinau Angkan Pengker Pujusarti Tusar Ju Aarmauka
Nintimrarti Tusar Wakeraji.
Ju aarmauka pengke kajinmatsuk juun ainausha tura uchi ainausha nuimiarartinuitai. Mash nungkanmaya ainau nuwanmaya akiinau asaramtai mash metek yaingtinuitai. Tura asar mash metek angkan pengker pujusartinuitai. Mash nungkanmaya apu ainausha ju aarmaunaka aints ainau umikiarat tusar, ni aintsri ainaun wainkartinuitai.
~1.
Aints ainauti mash metek nuwanmaya akiinawaitji. Turasha angkan pengker pujusmi tusar akiinawaitji. Aintstikia mash ji nintijai paan nintimratnuitji, turasha pengker aa nu nekaatnuitji. Turasha pase aa nusha nekaatnuitji. Turasha ji pataachiri ainaujai pengker nintimtunisar pujaj ina nunisrik chikich ainauj aisha pengker nintimtunisar pujustinuitji.
~2.
Mash nungkanmaya aishmang ainau tura nuwa ainausha, shuwin aints ainausha, tura ingkis ainausha, niish niish chichainayatang, tura ni Yusrin niish niish seainayatang, tura apu ainauncha niish niish umirin ainayatang, tura metekchau nintiminayat, tura kuikiartin ainayatang, tura kuikiartichu ainayatang, tura apu uchiri akiinayatang, tura inati uchiri akiinayatang, maanitsuk tura shamtsuk angkan pengker pujusarti tusar, mash nungkanmaya ainau ju aarmaunaka umikiartinuitai.
Nuniasha mash nungkanmaya ainau ni apurin umirinau asar, maanitsuk tura shamtsuk angkan pengker pujusarti tusar ju aarmaunaka umikiartinuitai.
~3.
Aints kichkisha maashtinuitai. Turasha aints kichkisha karsernum nangkami engkeashtinuitai. Turasha aints kichkisha nangkami awatrashtinuitai.
~4.
Aints ni inatirin akitsuk nangkami inarchatnuitai. Turasha aints angkan pujustas wakeraunka nangkamikia inarchatnuitai. Turasha aints ni inatirinka chikichnumka surukchatnuitai.
~5.
Aints ainaun nangkamikia awatrashtinuitai. Turasha wait wajaktintrincha nangkamikia susashtinuitai. Turasha chikich ainaun wishikrami tusar misu kuinkashtinuitai.
~6.
Aints chikich ainaun pase awajinamtaikia mash nungkanmaya apu ainau nuna turacharti tusar yaingkiartinuitai.
~7.
Aints mash metek nuwanmaya akiinau asaramtai, apu ainausha mash metek yaingkiartinuitai. Aintsun pase awajinamtaikia, apu ainau nu aintsun awatrartinuitai. Aints chikich aintsun pachis chichaak: Nuka mianchawaitai. Iikia metekchau ainiaji, tamatikia apu ayaak: Atsaj, nuka amijai metekaitai, titinuitai.
~8.
Aints chikich ainaun pase awajinamtaikia, apuka nu pase awasamurin tenap nekaatnuitai, tura nekau asa, nu aintsun yaingtinuitai.
~9.
Aints kichkisha nangkamrikia achikchatnuitai, turasha nangkamrikia karsernumka engkeashtinuitai, turasha nangkamrikia ninu nungkarinia jiikchatnuitai.
~10.
Aints chikich aintsun pachis: Nuka tunau turuayi tamatikia, apu ainau nu aintsun jiisar pengker anturkatnuitai. Turasha ni turamurin mash pengker nekaawar nangkamiar: Nuka tunau turuayi, tinamaitiat nu aintsnaka awatsuk akupkatnuitai.
~11.
1. Aints chikich aintsun pachis: Nuka tunau turuayi tamatikia, apu nu aintsu tunau turamurin pachis iniastinuitai. Apu iniamtai, chikich ainausha: Nu nekaami tusar iruntrartinuitai. Turasha nu aintska ni tunau turamurin pachis: Tu turamjai tusa etserkatnuitai, turasha ni ai mkatatkama yumatkamtaikia chikich aintsun: Chichartusta tamati, nu aints chichaamtai antuktinuitai. Turam nu aintska nekas Gobierno chichame umirkachiash tusar nekaatasar pujuinai, nu aintska tunaachawa nunisang pujau wainkatnuitai. Turasha awatrashtinuitai.
2. Aints Gobierno chichamen umirak pujamtaikia, nangkamikia awatrashtinuitai. Turasha Gobierno papi aarmauri jiisar, aints tunau turamtai, karsernum waruta nantua pujustatua tusar, tura kuikiasha warutmak akimiaktinuita tusar nekaatnuitai. Turasha Gobierno aarmauri nangkamasrikia nukapka karsernum engkeashtinuitai. Turasha nu aarmau nangkamasrikia nukapka kuikiasha akikti tusarkia tichatnuitai.
~12.
Nurinuri tsangkamachmataikia aints kichkisha ni jeen wayaashtinuitai, turasha ni weari ainauncha pachitskeka takaschatnuitai. Turasha ni warinchuri ainauncha takaschatnuitai. Turasha ni kartarin j iischatnuitai. Turasha niin pachis wait chichamnasha etserkashtinuitai. Nuna turinaunka, Gobierno kastikun susatnuitai.
~13.
1. Aints mash ninu nungkarin pachitsuk wekaasartinuitai. Turasha ninu nungkarin tuni pujutan wakerawa nuni pujustinuitai.
2. Aints mash ninu nungkarinia pachitsuk jiinkitnuitai. Turasha chikich nungkanmaya jiinkitnuitai. Turasha ninu nungkarincha pachitsuk waketkitnuitai.
~14.
1. Aints ainau nangkamiar chikich aintsun kajerinak pujuinamtaikia, nu aintska ninu nungkarinia jiinkitas wakerakka turuatnuitai. Turasha chikich nungkanam pujustas wakerakka pachitsuk nuni pujustinuitai.
2. Antsu chikich ainaun pase awajuka apu ainau wina awaturai tusa, ninu nungkarinia jiinkishtinuitai, tura chikich nungkanmasha tupikiakchatnuitai.
~15.
1. Aints mash ninu nungkarin akiinau asar nu nungkanmaya aints ainawai. Tura asaramtai nu nungkanmaya Gobiernori ni aintsrin yaingtinuitai.
2. Aints nu nungkanam akiinau asamtai, Gobiernori: Ameka ju nungkanúiaya ainchawaitme tichatnuitai. Turasha chikich nungkanam pujustas wakerakka, nu aintsun: Ameka nu nungkanam wechatnuitme, tichamnawaitai.
~16.
1. Aishmang natsaka nuwa nawantan nuwatkatnuitai, shuwin aints ainau, tura ingkis ainausha, chikich nungkanmaya ainausha pachitsuk nuwan nuwatkatnuitai. Turasha ni Yusrin niish niish seainayatang pachitsuk nu nuwancha nuwatkatnuitai. Tura uchincha yajutmartinuitai. Aishmang ainau, tura nuwa ainausha metek nuwanmaya akiinau asar, aishmangsha tura nuwasha mai wakeruninakka nuwatnaikiartinuitai. Turasha ni nuwarinka awatrashtinuitai. Turasha nuwa aishrin pase awasashtinuitai. Turasha nuwa ningki wakerak, aishrin ajapa ukuki, itur pujustaj tusa, turasha tuning pujustaj tusa, ningki nintimratnuitai.
2. Aishmangsha nuwasha mai wakeruninau asar nuwatnaikiartinuitai. Nuwa aishmangnasha tsuutakka ninumtsuk pujustinuitai.
3. Aints ni nuwarin nuwatak, uchirin pengker tsakatmartinuitai. Tura ni uchirin pengker tsakatmararti tusar, Gobierno ni aintsri ainauncha wainkatnuitai.
~17.
1. Jeenuka jea nurinurintai. Tura chikich aints ainaujai jea sumakaru asar mash nurintin ainawai. Ajartinka aja nurinurintai. Tura chickich aints ainaujai mash takasaru asar, mash nurintin ainawai.
2. Aintsu jeencha, tura ajarincha, waring achat mash ninu aa nunaka nangkamikia atanki jurukchatnuitai.
~18.
Aints mash pachitsuk ni wakerina nunasha nintimrartinuitai. Turasha nuka pengkeraitai, tu nintimsar pujuinauka pachitsuk turawartinuitai. Turasha nuka paseyai tai, tu nintimsar pujuinauka, nunaka inaisartinuitai. Ni jeen ni Yusrin seartas wakerinakka, pachitsuk turawartinuitai. Tura aanumsha ni Yusrin seartas wakerinakka nunasha turawartinuitai. Turasha ni Yusri chichamen pachitsuk nuiniarartinuitai. Turasha ni Yusrin umirkartas wakerinakka, pachitsuk umirkartinuitai. Turasha ni Yusrin pachitsuk: Maaketai tiartinuitai. Ni ayamtai kintari tsawaaramtaikia, pachitsuk ayamrartinuitai. Turasha ni wakerinaka pachitsuk iruntrartinuitai. Turasha ni wakerinakka ni Yusri umirtan inaisartinuitai.
~19.
Aints mash ni nintimina nunaka shamtsuk chikich ainauncha ujakartinuitai. Turasha chikich ainausha metekchau nintimau waininayatang nu aintsun kajerkar: Itatkata tichartinuitai. Chikich nungkanmaya ainau tina nunaka pachitsuk antukartinuitai. Tura chikich ainauncha ni antukmaurincha pachitsuk ujakartinuitai.
~20.
1. Aints mash maanitan wakerutsuk pujuinauka pachitsuk pengker nintimtunisar iruntratnuitai.
2. Turasha aints iruntan nakitakka chikich ainaujaisha iruntrashtinuitai.
~21.
1. Aints mash ni Gobiernorin umirkartinuitai. Turasha mash iruntrar chikich aints Gobierno aintsrijai chichasarti tusar, chicharkartin naamkartinuitai.
2. Aints mash ni Gobierno aintsrijai chichasartinuitai.
3. Gobierno ni aintsri ainau wakeramurin antuktinuitai. Tura jumchik musach nangkamaramtai, aints ainau mash: Yaki iinu apuri at tusar papichinam naarin aarartinuitai. Chikich ainauka nekarawarai tusar ni aararmia nunaka ujatsuk pujusartinuitai. Nunia papichi ainaun mash irumrar: Yana naari chikich naari nangkamasang untsuri at tusar anangtsuk nekapmarartinuitai. Nunia nu aintska chikich ainaun nepetkau asa apu wajastinuitai. Nuka elecciones tutayi.
~22.
Aints mash angkan yumatsuk pengker nintimsar pujusarti tusar, Gobierno ainau ni aintsri ainaun yaingkiartinuitai. Chikich nungkanmaya apuri ainausha Gobierno yaingkiartinuitai.
~23.
1. Aints mash wari takatna wakerinawa nunaka mash pachitsuk takasartinuitai.
2. Aintsu takatrincha tura nuwa takatrincha metek akiktinuitai.
3. Aints takakminak pujuinan'tai, ni weari ainaujai yumatsuk angkan pengker pujusarti tusar, metek akikiartinuitai. Ni takatrin takakminak pujuinayatang, ni kuikiari jeachu asamtai, yumamurin sumaktatkamar tujinkaramtai, Gobierno nu aints ainau yumatsuk pujusarti tusa yaingkiartinuitai.
4. Ii takatrin metek akikiarti tusar chikich ainaujai iruntrartinuitai. Turasha iruntrar: Ii takatrin tenap akikchamu asar, metek akirkarti tusar, takatan su ainaun chicharkartinuitai.
~24.
Aints mash ayamsartinuitái. Tura asaramtai kintajai metek ayamtsuk takakmaschartinuitai. Tura tuke inaitsuk takakmasu asar, jiista kintatisha ayamsaru waininayatang akikiartinuitai.
~25.
1. Aints mash ni weari ainaujai tsukamtsuk, tura entsatirincha yumatsuk ninu pujutirincha angkan pengker pujusartinuitai. Sungkurminakka tsuwakratnuncha j iisartinuitai. Tura sungkurminauka tura kakaichau pujuinauka, tura weamrar pujuinauka, tura takakmasartatkamawar uyumatinauka, tura waje aishri jakau asaramtai ni yumamurin sumaktatkamawar tujintinamtaikia Gobierno nu aints ainaun yaingkiartinuitai.
2. Nuwa jamtin ainauncha tura uchi ainauncha pengker yaingtinuitai. Uchi apaachiri atsaunka Gobierno pengker wainkatnuitai.
~26.
1. Uchi mash escuelanam engkemaawar nuimiarartinuitai. Uchi ainau nu nangkamtaik escuela primarianam engkemawaramtai, Gobierno nuinin ainaun akiktinuitai. Uchi ainau escuela engkemtsuk pujuschartinuitai. Uchi pengker nuimiaramtaikia, chikich escuelanam nuikiartin ati tusa, tura tsuwakratnusha ati tusa, waring achat nuimiarti tusa akupkatnuitai.
2. Uchi ainau, tura juun ainausha escuelanam engkeminamtai, nekas pengker aints wajasmi tusar nuimiartinuitai. Turasha ii Gobierno umirkami tusar, turasha chikich ainauncha pase awajtsuk pujusmi tusar nuimiartinuitai. Nuniasha chikich nungkanmaya ainaun pachisar, tura shuwin aints ainauncha pachisar, tura ingkis ainauncha pachisar, chikich ainau ni Yusrincha niisha seainawa nu pachisar nuimiartinuitai. ¿Waruka tuusha pujuinawa? tusar nuimiaru asar, nu aints ainaun wishiktsuk nijai amikmaatnuitai. Nuniasha maanitsuk angkan pujusmi tusar, chikich nungkanmaya ainaun pachisar escuelanam pengker nintimtikratnuitai.
3. Uchirtin ainau ningki wakerinak: Uchirun wari escuelanmak engkeataj tusar nintimrartinuitai.
~27.
1. Aints ainau jiista najanawartas wakerinamtaikia, tura aints ipiakratawaramtaikia, mash winiarti tusar tsangkatkatnuitai. Turasha mash iruntrar makin sumakar, kuikian metek akimiaku asar, pengker nuimiaru asar, nujai takakmasarti tusar tsangkatkartinuitai.
2. Aints warinchuchirin najanau asamtai, chikich aints ni najanachiat: Wi najanamiajai tichatnuitai. Turasha nu warinchuchin wakerakka nurinurin akiktinuitai. Nu warinchun takakmak pujak aints tunaamaramtaikia, Gobierno nu warinchu takatsuk asataram, tusa surimkatnuitai.
~28.
Ju aarmauka mash nungkanam pujuinau umirkarti tusar apu ainau inarartinuitai.
~29.
1. Aints mash iruntrar angkan pengker nintimsar pujusarti tusar, apu ainaun yaingtinuitai.
2. Aints ainau angkan pengker pujusartas wakerinauka chikich aints ainaun pase awajtsuk turasha maanitsuk pujusarti tusar, turasha mash iruntrar metek pengker pujusarti tusar, Gobierno aarmaurin umikiartinuitai.
3. Aints mash angkan pengker pujusartas wakerinauka ju aarmaunaka umirkartinuitai.
~30.
Ju aarmausha wainkaru asar, tu tawai tusar, nekainau asar, aints angkan pengker pujusai tusar, apu kichkisha surimkachartinuitai. Tura chikich aints ainausha nunaka surimkachartinuitai.