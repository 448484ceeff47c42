
~EBYANJURA 1
Ekitiibwa ky'omuntu eky'obutonde; okwenkanankana, wamu n'obuyinza obutayinza kugyibwawo ebyabantu bonna, gwe musingi gw'eddembe; obwenkanya n'emirembe mu nsi.
Obanga abantu sibakikozesa kujeema 'ngeky' okulwanyisa ekisembayo, okwetaasa obufuzi obukambwe okutulugunya, kyetaagisa eddembe ly'obuntu okuba nga lifugibwa amateeka.
~EBYANJURA 2
Ekibiina ky'amawanga amagatte, mu kiwandiiko kyakyo kikakasa nga bwekikkiririza mu ddembe ly'obuntu era ne mu kittibwa n'omuwendo gw'omuntu era kimaliridde okukubiriza abantu okugenda mu maaso n'okulwanyisa omutindo gw'embeera y'obulamu bwabwe mu ddembe erisingawo.
~EBYANJURA 3
Amawanga g'amemba geeyamye okukolaganira awamu n'ekibiina ky'Amawanga Amagattere mu kukubiriza abantu abali okussamu ekitiibwa n'okukuuma eddembe ly'obuntu n'emisingi gyalyo.
Okutegeera obulungi obuyinza (rughts) n'eddembe ly'obuntu kikulu nnyo mu kutuukiriza obweyamo obwo mubujjuvu.
~EBYANJURA 4
Olwekyo, Olukiiko ttabamiruka (General Assembly) olw'amawanga Amagatte, iulangirira Ekirangiriro EKIFUGA EDDEMBE LY'ABANTU BONNA WONNA MU NSI.
Abantu bonna abali wonna olw'okubeera ne'kiruubirirwa ekimu eky'amawanga gonna, basaanye bulijjo okujjukiranga EKIRANGIRIRO kino, wamu n'okulafuubana okuyigiriza, okugunjula n'okukubiriza abantu okussaamu ekitiibwa eddembe ly'obuntu, okutangaaza amateeka gaalyo n'okugakuuma, mu bantu abali mu bitundu ebiri mu buyinza bwabwe.
~Ekitundu 1.
Abantu bazaalibwa nga balina eddembe n'obuyinza ebyenkanankana, batondebwa nga balina amagezi era nga basobola okwawula ekirungi n'ekibi bwebatyo, buli omu agwana okuyisa munne nga muganda we.
~Ekitundu 2.
Buli muntu agwana afune eddembe eryo gerwako mu KIWANDIIKO kino awatali kusolola kwona okw'engeri yonna okuyinza okusinziira ku:- ggwanga, langi y'olususu okuba omusajja oba mukazi, olulimi, eddini endowooza ye ku by'obufuzi oba ekintu ekirala ensi oba abantu mwasibuka, ebintu byalina obuzaale bwe oba ensonga endala yonna.
~Ekitundu 3.
Buli muntu ateekwa okubeerawo nga mulamu nga yegazaanya awatali kutaataganyizibwa mu ngeri yonna.
~Ekitundu 4.
Tewali muntu assanidde kufugibwa buddu, obuddu n'obusuubuzi bw'abaddu tebukirizibwa mu nsi.
~Ekitundu 5.
Tewali muntu asanidde, kutulugunnyizibwa okubonerezebwa oba okuyisibwa mu ngeri eteri ya buntu emutyoboola.
~Ekitundu 6.
Buli muntu amateeka gateekwa okumubala era n'okumuyisa ng'omuntu buli wantu wonna.
~Ekitundu 7.
Abantu bonna benkanankana mu maaso g'amateeka era bateekwa okukuumibwa amateeka awatali kusosola. Abantu bonna bateekwa kukumibwa kyenkanyi eri obusosoze obufutyanka EKIWANDIIKO kino oba obubawaliirizza okusosola mu ngeri eyo.
~Ekitundu 8.
Buli muntu ateekwa okukkirizibwa okutwala ensonga ze mu mbuga entuufu ez'eggwanga zikolebweko singa nga eddembe lyerimuweebwa mu Constitution ne mu mateeka liba lijolongeddwa.
~Ekitundu 9.
Tewali muntu anakwatibwanga oba okusibibwanga oba okusibibwa oba okuwangangusibwa mu ngeri etegoberera mateeka.
~Ekitundu 10.
Buli muntu awatali kusosola, ateekwa okuwozesebwa mu lwatu ate mu bwenkanya mu kooti eyeemala era eterina kyekubira, bwabanga annonya okukakasa onuyinza obumuweebwa mu mateeka singa waliwo omusango ogumenya amateeka ogumuvunaanibwa.
~Ekitundu 11.
1. Buli muntu yenna avunaanibwa omusango oguliko ekibonerezo ateekwa okubalibwa nga taliiko musango okutuusa nga kikakasibbwanti ddala yaguzza okusinziira mu mateeka era ateekwa okuwozesebwa mu kooti mu lwatu nga aweereddwa na buli mukisa gwonna okwetaasa.
2. Tewali muntu n'omu anabalibwanga nga azzizza omusango ogumubonerezesa, kino nga kisinzira kukikolwa kye yakola oba kyatakola, mu kiseera ekyemabega, kyokka nga mu kiseera ekyo ekikolwa kyeyakola oba kyeyalemwa okukola kyali tekittekwa kumubonerezesa, okusinziira mu mateeka g'eggwanga eryo oba ag'amawanga amalala Bwanabanga ateekwa okubonerezebwa mu kiseera weyazziza omusango ogwo.
~Ekitundu 12.
Eddembe ly'omuntu yenna eyo gyabera amaka ge era n'ebbaluwa ze tebitaataganyizzibwe nga oba okwazibwa mu ngeri etegoberera mateeka, so n'erinnya lye teriweebuulwenga oba okulebulwa. Buli muntu ateekwa okukuumibwa amateeka aleme kutaataaganyizibwa oba okulumbibwa mu ngeri eyo.
~Ekitundu 13.
1. Buli muntu alina eddembe okugenda oba okusula wonna wayagala, munda w'ensalo ez'eggwanga lye.
2. Buli muntu wa ddembe okufuluma okuva mu ggwanga lyona, kino nga kitwaliramu n'eggwanga lye, wamu n'okudda mu ggwanga lye.
~Ekitundu 14.
1. Omuntu ayigganyizibwa waddembe okunoonya obubudamo mu ggwanga eddala era n'okusanyukira mu bubudamo obwo.
2. &1
~Ekitundu 15.
1. Buli muntu ateekwa okufuna eggwanga ettongole gyabalirwa ng'omutuuze.
2. Tewali muntu yenna anagyibwangako obutuuza bw'eggwanga lye wadde okugaanibwa okukyusa obutuuze bwe okubugya mu ggwanga erimu okubuuza mu ddala.
~Ekitundu 16.
1. Omusajja oba omukazi omukulu atuuse okwesalirawo, taakomerwenga mu ngeri yenna obutawasa oba okufumbirirwa n'okuzaala abaana, olw'olulyo mwasibuka, olw'eggwanga lye oba lwe'eddini ye. Omusajja n'Omukazi balina onuyinza n'eddembe ebyenkanankana nga tebannafumbiriganwa, oba nga bafumbiriganiddwa oba oluvannyuma lw'obufumbo bwabwe okusattululwa.
2. Amaka gwe musingi gw'eggwanga ogw'obuwangwa olwekyo abantu ne gavumenti basaanye okugakuuma obutiribiri.
3. &1
~Eitundu 17.
1. Buli muntu waddembe okwefunira ebintu bye kululwe oba nga yeetabye ne n'abantu abalala.
2. Tewali muntu yenna anaggyibwangako ebintu bye mu ngeri etagoberera matteka.
~Ekitundu 18.
Buli muntu alina eddembe ery'okwerowooleza okwawula ekirungi n'ekibi n'okulondawo eddini gyanasoma. Eddembe lino lizingiramu obuyinza okukyusa eddini oba enzikiriza ye, n'obuyinza obubwe ku lulwe oba wamu n'abantu abalala, mu lwatu oba mu kyama, okwolesa eddini oba enzikiriza ye, ngayigiriza oba ngateeka mu nkola eddini ye byemulagira, nga asinza oba ngakuuma byemugamba.
~Ekitundu 19.
Buli muntu wa ddembe okubeera n'endowooza ye era n'okwogera oba okuwandiika nga bwalowooza. Eddembe lino lizingiramu n'ebeetu ery'okugugubira ku ndowooza ye awatali kitaattaagaayizibwa, okusaka okufuna wamu n'okusaasaanya amawulire n'ebirowoozo okuyita mu mikutu gyonnna watali kukomerwa.
~Ekitundu 20.
1. Buli muntu ayinza okwetaba mu nkugaana ez'eddembe wamu n'abantu abalala.
2. Tewali n'omu anakakibwanga okwetaba mu nkunganaa awamu n'abantu abalala.
~Ekitundu 21.
1. Buli muntu waddembe okwetaba mu nfuga y'eggwenga lye.
2. Buli muntu alina obuyinza obwenkanankana n'obw'omulala obumusobozesa okutuukirira ebitongole bya gavumenti y'ensi ye ebiweereza abantu bonna awatali kukugirwa.
3. &1
~Ekitundu 22.
Buli muntu wa ggwanga alina obuyinza okutuula ne bantu banne ngatebenkedde mu ddembe. Kino kimusobozese okutuuka ku biruubirirwa eby'ekitiibwa by'obuntun'okulongongoosa empisa ze, okuyita mu kukola kw'eggwanga lye oba okukolagana n'awamanga nga amalala, okusinziira ku nteekateeka n'enkozesa 'obugagga bwe'eggwanga mu by'enfuna, ey'embeera z'abantu n'eby'obuwangwa ebitayinza kwewalika mu kukulakulana kuno.
~Ekitundu 23.
1. Buli muntu alina eddembe n'obuyinza okukola. Ateekwa okwerondera ekika ky'omulimu ekimuggyamu era ekirina embeera emusobozesa okukola obulungi, wamu n'okukirizibwa oba okuyambibwa singa omulimu ogwo gumuweddeko.
2. Buli mukozi ateekwa okussasulwa empeera entuufu emuggyamu, emusobozesa ye yennyini n'abantu ab'amaka ge okweyimirizawo nga abantu balamu. Bwekiba kyetagisa empeera y'omukozi eyinza okwongerezebwako ensako endala ezimusobozesa okwetaasa ebyo ebimugwako ng'omuntu nga tabyetegekedde.
3. &1
4. &1
~Ekitundu 24.
Buli muntu ateekwa okuwummula n'okuweera. Asaana akole essawa zakigero buli lunaku era abeere n'ekiseera eky'okwewummuzaamu buli mwaka, kyokka nga empeera ye ey'ekiseera ekyo emuweebwa.
~Ekitundu 25.
1. Buli muntu ateekwa okubeera n'omutindo gw'obulamu ogumusobozesa okubeerawo nga mulamu bulungi mu mubiri , ye yennyini n'abantu abamakage, ng'afuna emmere, ebyambalo, ennyumba n'okujjanjabwa singa alwadde era nga asobola okweyambisa ebyo gavumenti y'eggwanga lye by'ekolera abantu baayo okusitula embeera y'obulamu bwabe. (Social Services). Buli muntu, asaana okuyambibwa aleme kweralikirira bwaba nga omulimu gumuweddeko, oba afuuse kateyaamba oba afuuse Ssemwandu oba Nnamwandu oba ngatuusibbwa mu mbeera etemusobozesa kufuna nsiimbi kyokka nga kino siyakyeretedde yekka.
2. Abakyala abazadde wamu n'abaana bateekwa okulabirirwa n'okuyambibwa mu ngeri ey'enjawulo. Abaana bonna oba bazadde baabwe bafumbo mu mateeka oba si bafumbo bagwana okulabirirwa kyenkanyi nga abantu.
~Ekitundu 26.
1. Buli muntu ateekwa okuyigirizibwa. Okuyigizibwa kunabanga kwa bwerere mu myaka egisooka ne mu masomero agasookerwamu. Okuyigirizibwa okusookerwako kunabanga kwa buwaze. Amasomero agayigiriza eby'emikonono n'emirimu egy'ekikugu ganaateekebwangawo, era buli muntu alina ebisannizo n'obusobozi anaweebwanga omukisa okusomera mu magunjukiro agawaggulu.
2. Ebyenjigiliza binaluubiriranga okugunjula abantu muby'amagezi n'empisa nga biteeka essira ku kusaamu ekitiibwa eddembe ly'obuntu n'emisingi gyalyo. Binakubirizanga okuteegeeragana okw'abantu ab'ensi n'eddini ez'enjawulo; era binakolaganiranga wamu n'ekibiina ky'Amawanga Amagatte mu kuleetawo emirembe mu baantu.
3. &1
~Ekitundu 27.
1. Buli muntu waddembe okwetaba mu by'obuwangwa ebyensiye era n'okusanyukira ebikolebwa abalina amagezi oba ebitone ebyobuwangwa, n'okugabana ku miganyulo egivudde mukukulakulana kwa sayansi.
2. Buli muntu agwanidde okutaasibwa okuva mu kabi akayinza okutuuka ku mpisa ze oba kwebyo ebimusanyusa mu nsi, kino nga kisinziira ku magezi aga sayansi ebitabo ebibi oba ebifaananyi eby'ekigwenyufu ebiba bikoledwa abaantu.
~Ekitundu 28.
Embeera y'abantu ab'eggwanga lye oba ab'omumawanga amalala ng'esobozesa omuntu okufuna eddembe ly'obuntu nga bwe liwandiikiddwa mu KIRAGIRO kino.
~Ekitundu 29.
1. Buli muntu alina obuvunanyizibwa eri abantu b'ensi ye, kubanga bano bokka abamusobozesa okukikukulanya mumpisa ne mungeri endala zonna.
2. Omuntu nga akaayanira eddembe lye ery'obuntu ekinamukolangako kyokka ge mateeka ago agateekebwawo okunyweza, okutongoza wamu n'okusaamu ekitiibwa eddembe ly'abalala n'okukuuma empisa ennungi mu bwenkanya oba okukuuma eddembe lya bonna oba amateeka ago ogakuuma obulungi bwa abantu bonna ab'eggwanga eriddukanyizibwa ku demokolasi.
3. &1
~Ekitundu 30.
Tewali nsonga yonna mu KIRANGIRIRO kino enetapoutibwanga mu ngeri etegeeza nti ewa ebbeetu abantu b'eggwanga oba ekibinja ky' abantu okwenyigira oba okwetaba mu kikolwa kyonna ekigenderera okuzikiriza eddembe ly'obuntu eriwandiikiddwa mu KIRANGIRIRO kino.