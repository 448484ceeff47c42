
~IGELE LYA 1
Banhu bose bubyalagwa biyagalulile, n'ikujo haki zilenganelile.
~Banhu bose bina masala na wiganiki, hu kuyomba
IGELE LYA 2
Kila munhu, bila kukomanyiwa luganda, ikoba, bubyalwa, lulimi lwakwe, dini, kitemele cha nsi yakwe nulu kiganikile kingi sh'ihanga uko afumile, wabyalilwe, busabi nulu umo ali, wina wiyagalule na haki jose ijo jandikwa u ng'w'Ihano linilo.
~Hangi giki, kukize kubi busolaniwa ku nzila ja
IGELE LYA 3
~Kila munhu wina haki ya bupanga na wa wiyagalul
IGELE LYA 4
~Nduhu munhu kusesekwa nulu kuding'wa busese ku
IGELE LYA 5
~Imelejiwe munhu kuduchiwa nulu kwingiziw' ikujo
IGELE LYA 6
~Kila munhu ng'w'Ihano lya Nsi wina haki ya kupi
IGELE LYA 7
~Banhu bose ng'w'Ihano lya Nsi bina haki ja kula
IGELE LYA 8
~Kila munhu ali na haki ya kulipwa n'ibanza la n
IGELE LYA 9
~Nduhu munu alenheleziwe kutungwa, kutulwa mu lg
IGELE LYA 10
~Kila munhu wina haki ya kudegelekwa na kuyangul
1. IGELE LYA 11
2. Kila munhu uyo washidakwa adegelekwe. Ibanza hilo lyuhaya wahuba nulu akahubile.
~2. Nduhu munhu ubaziwagwa wahuba kufuma nisho w
IGELE LYA 12
~Nduhu munhu uyo akibolile kwingililwa sagala mu
1. IGELE LYA 13
2. Munhu wina haki ya kuja uko alihaya mu nsi yakwe na kuzenga haho habi mu nsi yakwe
~2. Muunhu wina haki ya kwinga mu nsi yoseyose n
1. IGELE LYA 14
2. Kila munhu wina haki ya kupelela nsi yingi ulu watulagwa akabulagwe.
~IGELE LYA 15
1. Kila munhu wina haki ya kubi na nsi.
2. Kudihu munhu, ku nzila ya kwibonelwa, alapenziwe mu nsi yakwe nulu alemeziwe kukaba nsi.
~IGELE LYA 16
1. Bakina na bagosha ba mishimo mihanya, bila kutuliwa lubimbi lw'ikioba, dini nulu luhanga, bina haki ya kwitola na kwileka.
2. Winga bulatungwe duhu ulu bitozi bizunilija boyi basaba.
3. Kaya hu shigelo sha kwandya kutunda chalo. Kaya yiniyi ikuziwe.
~IGELE LYA 17
1. Kila munhu wina haki ya kubi na nsabo yakwe ng'winikili na ya lusangi
2. nduhu munhu alataziwe nsabo yakwe bila nguno.
~IGELE LYA 18
Kila munhu wina wiyagalule wa kwiganika, buhuguku na dini; haki yiniyo yili hakimo na wiyagalule wa kusagula na kukaba dini, winene nulu mu luganda, wibise nungu ng'wikungu. Akalemeziwe kwisenga umo alihayila.
~IGELE LYA 19
Kila munhu wina wiyagalule wa kuyomba isho aliganika bila kwingililwa na munhu bungi, kubokela na kusambaja mhola na miganika ga bangi ku nzila ya kwandika na kutangaja.
~IGELE LYA 20
1. Kila munhu ali na haki kusanja na biye mu lubango.
2. Nduhu munhu uyo alagaganiziwe kusanja na bangi.
~IGELE LYA 21
1. Kila munhu wina haki ya kubi mu selekali ya nsi yakwe weyi msaba nulu kubitila ku bangi.
2. Kila munhu wina haki ya kutumamilwa na nsi yakwe.
3. U butogwi wa banhu hu ng'hingi ya selekali. Butogwi bunubu bulisombole mu nzila ya nhana ya welelo ya kusagula bakilongozi ku wibisa nulu mu nzila zingi ja wikole na yiniyo.
~IGELE LYA 22
Kila ng'wene mu kaya ina haki ya kulabadwa na kupiwa nsabo ja nsi kubitila wizunilija wa nsi na mahanga gose hu aweje kuhangama.
~IGELE LYA 23
1. Kila munhu ali na haki ya wiyagalule wa kusagula na kutumama mlimo ugo atogilwe, na haki ya kutumamila hasoga, kupiwa mafayo gangi na kulabadwa ulu wagayiwa milimo.
2. Kila munhu, bila ya kubagulwa, alina haki ya kulipwa kuliganija na mlimo ugo alitumama.
3. Kila mtumami, bila ya kubagulwa, wina haki ya kulipwa mafayo ga kumtosha weyi na kaya yakwe, kump'ikujo mu banhu hakimo na kongeziwa mafayo ga mzengo.
4. Kila munhu wina haki ya kwibilinga na biye ku nguno ya kulabada mafayo gakwe.
~IGELE LYA 24
Kila munhu wina haki ya kwisuhya na kuyega hakimo na kupandika ninga ya kwisuhya na ninga ya kulipwa.
~IGELE LYA 25
1. Kila munhu wina haki ya kwikala hasoga ku nguno ya buhozu na bupanga wake, kupandika shiliwam kuzwala, kwilaka, kulagulwa na kupiwa mafayo gangi, kusungwa ulu akina milimo, ulu walwala, walwmala, wananhaluka, wafilwa nke nulu ngoshi wake, ninga wagayiwanzila zingi ja kwisunga msaba ijo azimanelile
2. Babyazi na bana basungwe, bana ba bukwelwe nabo abo bakakwelilwe, bose bina haki ya kusungwa.
~IGELE LYA 26
1. Banhu bose bina haki ya kulangwa ilimu lya kwandya bule na ilimu yiniyi ibi ya bose. Ilimu ya bufundi, sayansi na butalamu.
2. Ilimu ilolekeziwe kukuja bunhu, kuzenga haki na wiyagalule, kwelelwa, kubi na moyo na kwenha bunwani mugati na mahanga na kukuja lubango
3. Babyazi bali na haki ya kwandya kubasagulila bana babo ilimu iyo baliihaya.
~IGELE LYA 27
1. Kila munhu wina haki kubi ng'wikungu na kulya na biye shisumo sha luganda na maendeleyo ga sayansi.
2. Kila munhu wina haki ya kulabadilwa i shikolo isho wabenja, kusula, kutwja ku nzila ya kwiganika, sayansi ninga kwandika.
~IGELE LYA 28
Kila munhu apiwe haki na wiyagalule giti umo Ihano linili lilihaya.
~IGELE LYA 29
1. Kila munhu atutumalile lugana umo maendeleyo gakwe winene gawegije kwigela.
2. Kupandika haki na wayagalule bunubu, kila munhu adedehanye iyo yandikwa ng'w' Ihano kuwezakwipa na kubapa biye ikujo na wiyagaule.
3. Haki na wiyagaule w'Ilagilo linili, ku nzile yoseyose, bukiz'ufunziwa numa numo yahyilwa na Mahanga.
~IGELE LYA 30
Nduhu nsi, luganda nulu munhu alatumile il'Ihano linili kukenanga haki na wiyagalule ubo wabalwa ng'w'Ihano linili.