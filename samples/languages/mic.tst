
~Article 1
Msit mimajulnu'k weskwijinu'ltijik alsumsultijik aqq newte' tett wkpimte'tmut aqq koqwajo'taqnn wejkul'aqmititl.
~Article 2
Msit wen wejku'awamitl msit koqwajo'taqann aqq alsusutl'l ewikasikl wla Wi'kalikniktuk, ta'n pasikwenij, ta'n pasik tlamuksij, ta'n pasik teli'sij, ta'n pasik teli ktlamistasij, ta'n ketu' tlapukuej, ta'n tett wetapeksij kisna teli alsutekej ta'n ketu' tli weskwijinuij jisna ta'n ketu' tle'k.
Aqq elt, ma' istutte'lmament wen wjit ta'n telapukuej, kisna wjit ta'n tett etli-ilsumuj, kisna eleke'wa'kik ta'n wejiej tlla'j newtlpukuik, kisna anko'tasik kisna nikana'tasik, kisna etek ta'n pasik koqoey ta'n keltaqanj ta'n teli saqamawutik.
~Article 3
Msit wen wejkul'aqmit koqwajo'taqan wjit ta'n tel mimajij, teli-alsumsij aqq tel-sankewe'k wen.
~Article 4
Ma' wen kisi pisu'-lukwa'mit kisna keltaqanuksik; keltaqanuksimkewey aqq pisu'lukalmimkewey lpa ma asite'tasinuk.
~Article 5
Ma' wen kisi wunmajo'tasik kisna amaskwipilnuksik kisna ewlo'tasik kisna penoqo'tasik.
~Article 6
Msit wen wejku'aqamit nenulte'tasin ta'n pasik tami wjit ta'n teli skwijinult tplutaqanikiuk.
~Article 7
Msit wen newte'telpukult tplutaqaniktuk aqqwejku'awamit, keskma'q piluite'tasin kisna tepkislte'lmuksin, newte'tli-ikaluksin tplutaqaniktuk. Msit wen wejku'aqamit newte'tli-ikaluksin kwlaman ma' penoqo'tasik aqq ma wen listmuk wla telwikasik kisna assitmuk wenl listmlin aqq penoqite'teikelin.
~Article 8
Msit wen wejku'awamit apoqomasutita'n tett etli-ilsutekemk wjit ta'n teli-ewla'luj ta'n tujiw kemutmuj koqwajo'taqann lapjiw wikaqteki, ta'n iknmusn tplutaqaniktuk kisna ewi'kasikl.
~Article 9
Ma wen wskimtuk kisi-pija'luksik, kisna naqeyuksik kisna ejikleyuksik.
~Article 10
Msit wen wejku'aqamit newte' tl-nutuksin aqq tlo'tasin ta'n tijiw ilsumji nujl ilsuteklitl ta'n alsumsik aqq welinqanilsutekek, ta'n tujiw ilite'tasikl wkoqwajo'taqanmi aqq natkoqoe'l tepkatik tla'teken wen-aqq ta'n pasik telsmut ta'n teli-o' pla'tekej.
~Article 11
1. Ta'n pasik wen elsu'tmut kisi opla'taken weskunk koqwajo'taqan tlite'tasin staqa nike'j mna'q teletekekis mi'soqo kisutasik ketloqo kisi o'plateken aqq etli tlsumut ta'n tett msit wen kejitoq ta'n tela'sik aqq ta'n teli ikalsitew iamuj weskunk.
2. Ma' wen kisi ilsumuksik opla'taket wjit koqoey ta'n mu telwikasinuksip opla'tekemk ta'n tijiw tela'tekejek kisna mu tela'tekekek. Aqq ma kisi aji eplewi-apankitmuk ta'n teli-opla'tekej aqq ta'n teli-apankitmumkis ta'n tijiw opla'tekejek.
~Article 12
Aqq ma' wen kisi tala'tuawt ta'n teli-sankewe'k, kisna wikmaq, kisna wi'kk, kisna wtui-katikinn, kisna kisi matnmuawt ta'n tel-kepmite'lmuj kisna telite'lmuj. Msit wen weskunk koqwajo'taqan ikatluksin tplutaqaniktuk kwalaman mu wen kisi sesepta'sualmini kisna ajina'mint wjit wla koqoe'l.
~Article 13
1. Msit wen wejkul'aqmit koqwajo'taqan alsumsin ta'n teli-ala'sij aqq ta'n tett etlqatekej wmitkimk.
2. Msit wen wejkul'aqmit koqwajo'taqan kisi-nqitmn eleke'waki'l, we'kaw wmitkink, aqq kisi apaja'in wmitkimk.
~Article 14
1. Msit wen wejkui'aqmit koqwajo'taqann wjit ta'n telilnuij.
2. Wla koqwajo'taqann ma kisi-likasiwun ta'n tujiw kisi opla'teken kisna tela'teken ta'n mu wije'winuk ta'n telltasult'tij aqq teliktlamsitasulti'tij Mawio'mi Eleke'wa'kik.
~Article 15
1. Msit wen wejkul'aqmit koqwajo'taqann wjit ta'n telakutk.
2. Ma' wen kisi apija'tuaq ta'n telakutk kisna kisnaqa'lawt ktu' sa'se'wa'toq ta'n telakutk.
~Article 16
1. Ji'nmuk aqq E'pijik ta'n tepipuna'tijik weskunmi'tij koqwajo'taqann malte'wultinew aqq wunijanultinew, ta'n pasik ketu ta'n wenij, kisna telilnuij, kisna teli ktlamsitasij. Wejku'aqamulti'tij newte' koqwajo'taqan malie'wutiktuk, ke'sk malie'wij kisna puna'tekej.
2. Kisi-malte'witaq wenik ta'n tijiw kitk tel pewatmi'tij aqq mu wen ki'kaj malte'wa'lamint.
3. Wen wikmaq na welikoqwajite'tasik aqq mawi-espite'tasik mawlo'mik aqq wejku'aqamit wen wikmaq ikatmuksin mawlo'mik aqq Eleke'wa'kik.
~Article 17
1. Msit wen wejkuaqmit koqwajo'taqann kisi alsutmin koqoey newtuka'lukwet kisna mawalalsuteken.
2. Ma' wen skimtuk kisi-wusua'tuaj ta'n koqoey alsutk.
~Article 18
Msit wen wejkul'aqmit koqwajo'taqan alsutmin ta'n telita'sij, teltktlamsilasij aqq ta'n teli-alasutmaj; wla koqwajo'taqan wiaqtek wen alsumsit sa'se'wa'tun ta'n teli-alasutmaj kisna telikilamsitasij; aqq elt etek koqwajo'taqan newtuka'lukwet kisna mawukwat sankewimajukatmin kisna mestiaknutmin ta'n teli-alusutmaj kisna teli-ketlamsitasij ta'n tel kina'muet etlintawa'qatoq, teli alasutmaj aqq telimajukatk ta'n teli-alasutmat kisna teli-klamsitasij.
~Article 19
Msit wen wejkul'aqmit koqwajo'taqan ta'n telita'sij aqq ta'n teluej; wla koqwajo'taqaniktuk wiaqtek wen ta'n telita'sij kesma'q wen sespeta'sualmint aqq kisi kwilmin, msinmn aqq iknmuetun kinu'tmaqan aqq ankita'suaqan ta'n pasik mataqa'taqan ewe'wk aqq ta'n pasik tett.
~Article 20
1. Msit wenik wejkul'aqmit koqwajo'taqan alsumsultinew kisi sankewi'mawita'new aqq kisi-mawo'ltinew.
2. Ma' wen kisi ki'kaji nasa'luksik Mawio'mi ta'n mu ketu' naspik.
~Article 21
1. Msit wen wejkul'aqmit koqwajo'taqan kisi-ika'lsin ta'n teli-nikana'tumk wmitkin, koqwaju kisna mkunanta'niknikana'tu'tij ta'n tele'k wmitkin.
2. Msit wen wejkut'aqmit koqwajo'taqan newte'kistllukwen kaplno'l wmitkink.
3. Ta'n telpewatmi'tij mimajuinu'k na na'te'l wjiatew ta'n tela'taqatijik ta'nik nikana'tu'tij eleke'wa'ki, aqq wla nemitasitew ta'n tijlw menaqaj mekunuj ta'nik nikana'tu'tij eleke'wa'ki, loq kimlapukwemk kisna newte' teli-assutmuk ta'n teli mkunuj ta'nik nikanpukultijik.
~Article 22
Msit wen, ta'n naspit mawio'mi, wejkul'aqmit koqwajo'taqan wjit otpi'tnewey aqq wejku'aqamit, sapa'siktn te's eleke'waki atiknen kisna mawuktml'tij eleke'wa'ki'l aqq tlawtitew ta'n telmilesik aqq telpukulk te's eleke'wa'ki sultewey kisna mawlo'mley kisna lnuey koqwajo'taqann ta'n nuta'tl wjit ta'n telukupmite'lmuj aqq ta'n telikwek ta'n wen telqamisij.
~Article 23
1. Msit wen wejkul'aqmit koqwajo'taqan kisilukwen, aqq kisimkunmn wktlukwaqan, aqq tetpapo'tasin ta'n tett etl-lukwej aqq iknmuksin apoqonmasuti kwlaman kislukewtew.
2. Msit wen, mu kisi, pilute'telmamint, wejkui'aqmit koqwajo'taqan newte tliapankiluksin wjit newte ta'n tel lukutl'tijik.
3. Msit wen ta'n elukwet wejkul'aqmit koqwajo'taqan tetpaqi apankituksin kwlaman pkwatew wjit nekmaqq wjit wikmaq mimajuaqan teplaq wjit ta'n telukupmite'lmuj aqq ankuawtukomuksin aqq apoqnmuksin elam nuta'j.
4. Msit wen wejkul'aqmit koqwajo'taqan kisitun kisna nasa'sin lukewinu'k mawlo'mlwew ta'n anklo'tmuaten ta'n tele'k.
~Article 24
Msit wen wejkul'aqmit koqwajo'taqan wjit ta'n teli-mila'sit aqq teli atlasmit, wlaqtek tett keknue'k ta'n telipkijlukwet aqq na'kwekl iknumutl apankitasikl atlasmin kisna ala'sin.
~Article 25
1. Msit wen wejkul'aqmit koqwajo'taqan kisi-pkwatun mimajuaqan teplaq wjit ta'n telwele'k aqq telwelawsit nekm aqq wikmaq, wiaqkitmumk mijipjewey, tapsunn, ta'n wikit aqq ta'n telmaliamut kesnukwaj aqq koqoey piluey apoqonmasuti nuta'j, aqq wejkul'aqmitl koqwajo'taqann apoqonmuksin mu kislukwek, kisna ksnukwaj, kisna ejele'k, kisna siku'skewij, kisna kisikulj kisna mu kisi pkwatuk wmimajuaqanm mita natala'teket.
2. E'pitwunijanit kisna mijua'ji'j wejku'aqamit maltamuksin kisna apoqonmuksin. Msit mijuajl'jk, weskwijinultijik malie'wimk kisna moqo, newte' tli-anko'tasullilaq.
~Article 26
1. Msit wen wejkut'aqmit koqwajo'taqan wjit ekina'masuti ma awlinuk, amskwesewey aqq ta'n nuta'q. Amskwesewey ekina'masutl msit wen miamuj wessua'toq. Ta'n telitekemk aqq espikina'muti tettew wijit ta'n pasik wen ketu ksua'ten.
2. Ekina'masuti tettew kwlaman msit wen kisi tle'tew ta'n telmenuekej aqq mikikna'tun ta'n tel kepmite'tmau'klmimajuinu'k koqwajo'taqnamual aqq alsusuti'l tapjiw ki's etekl. Ekina'masuti ktmoqjentew nsitatultinenu, tqamutatultinu aqq wela'matutlinu msit eleke'wa'ki'l, telakutimkl aqq ta'n teli-alasutmakl, aqqstawa'tew lukwaqan pemlukwatmi'tij Mawio'mi Eleke'wa'ki'l wjit wantaqo'tl stawwije'wmnu.
3. Knki'kwinaq wejku'aqmitij wesko'tmi'tij nikantek koqwajo'taqan kisimkunmnew ta'n tlkina'muaten wunijanuaq.
~Article 27
1. Msit wen wejkui'aqmit koqwajo'taqan kisi-ika'lsin ta'n telo'lti'tij knutanminal, aqq kisi wekasin lukwaqaney nsituo'qon, aqq kisi-wekasin piley koqoey kejitumk aqq wulapesin.
2. Msit wen wejkui'aqmit koqwajo'taqan maltaptmuksin koqwaje'kaqq ta'n weji kisitasik koqoey wetapeksik kjijitaqaniktuk, wi'katikniktuk kisna kisltasik koqoey ta'n nekm kisa'toq.
~Article 28
Msit wen wejkui'aqmit koqwajo'taqan kwlamantlwl-pmlatew koqoey ta'n nekm wkoqwajo'taqann aqq wtalsusuti'ml ewikasikl wla Wikatikniktuk kisi tla'sitl.
~Article 29
1. Msit wen wejkui'aqmitlkukwaqann wjit wutanm kwlaman kisi'sitew ta'n telqamiksit.
2. Ta'n telwekasij wen wkoqwajo'taqann aqq wtalsusulti'ml, msit wen mimamujpa wije'wkl tplutaqann ta'n teli-asite'lj kwaman msit wen nenulte'tmuaten aqq kepmite'tmuaten wkoqwojo'taqann aqq wtalsusutl'ml aqq wijetulltal ta'n tel nuta'q nsituo'qon, wantaqo'ti aqq kelu'lk wjit msit wen wla teli-alsumsultijik mimajuinu'k eleke'wa'kl'l.
3. Wla koqwajo'taqann aqq alsusuti'lma' kisi ewe'wasinukl popwajilukwektn aqq ta'n telapukuek aqq telite'tmumkipn Mawio'mi Eleke'wa'ki'l wtui'katiknuaq.
~Article 30
Mu koqoey wla kisi wikasik kisi tlkitmumint tluekin Eleke'wa'ki, mawio'mi kisna mimajuinu wejkui'aqmijl koqwajo'taqan kisi tla'teken kisna kisi tilukwen koqoey ta'n tli-ksika'tutal koqwajo'taqann aqq alsusuti'l ta'n tett kisiwikasikl.