
~Pambukaan 1
Manimbang bahwa pangakuan tantang martabat alamiah wan hak-hak nang sama wan mutlak mulai sabarataan angguta kaluarga manusia adalah dasar kamardekaan,kaadilan,wan pardamaaian di dunia.
Manimbang bahwa kada mampaduliakan wan mamandang randah hak-hak asasi urang sudah maakibatakan kalakuan-kalakuan kajam nang manimbulakan rasa sarik hati nurani umat manusia, wan tabantuknya suatu dunia wadah urang gasan manikmati kanikmatan kabebasan bapandir wan beagama sarta kabebasan matan katakutanan wan kakurangan sudah dinyataakan sabagai cita-cita tatinggi matan rakyat biasa.
~Pambukaan 2
Manimbang bahwa hak-hak asasi manusia parlu dilindungi lawan paraturan hukum sakira urang kada tapaksa mamilih pencaur sagan usaha taakhir gasan malawan kakajaman wan panindasan.
Manimbang bahwa pambangunan hubungan kakawanan antara nagara-nagara parlu diupayaakan.
Manimbang bahwa bangsa-bangsa matan Parsarikatan Bangsa-Bangsa sakali lagi sudah manyataakan kadalam Piagam Parsarikatan Bangsa-Bangsa kaparcayaan buhannya lawan hak-hak dasar matan manusia, takait martabat wan nilai sabagai manusia wan hak-hak nang sama matan lakian wan binian, wan sudah batekat gasan maupayaakan kamajuan sosial wan tingkat kahidupan nang labih baik kadalam kamardekaan nang labih luas.
~Pambukaan 3
Manimbang bahwa Nagara-Nagara Anggota sudah bajanji gasan mancapai kamajuan dalam panghargaan wan panghormatan umum tahadap hak-hak asasi manusia wan kabibasan-kabibasan asasi, gasan bakarjasama lawan Parsarikatan Bangsa-Bangsa.
Manimbang bahwa pangartian umum tantang hak-hak wan kabibasan-kabibasan nangintu panting banar gasan palaksaaan nang bujur matan janji ngini, maka,
~Pambukaan 4
Majelis Umum dengan ngini manyataakan Parnyataan Umum tantang Hak-Hak Asasi Manusia
Sabagai satu standar umum kabarhasilan gasan sabarataan bangsa wan sabaratan nagara, lawan tujuannya supaya satiap urang wan satiap badan dalam masyarakat sanantiasa maingat parnyataan ngini, akan bausaha lawan jalan maajar wan mandidik gasan maupayaakan panghargaan tahadap hak-hak wan kabibasan-kabibasan nangitu, wan jalan kalakuan-kalakuan paningkatan nang basipat nasional atau internasional, manjamin pangakuan wan panghormatannya sacara kasaluruhan wan efektif, baik matan bangsa-bangsa mulai Nagara-Nagara Angguta surangan atawa bangsa-bangsa matan daerah-daerah nang ada di bawah kakuasaan hukum buhannya.
~Pasal 1
Sabarataan urang dilahirakan mardeka wan baisi martabat wan hak-hak nang sama. Buhannya dibarii akal wan hati nurani wan saharusnya bagaul satu wan nang lainnya dalam sumangat parsaudaraan.
~Pasal 2
Satiap urang baisi hak atas sabarataan hak wan kabibasan-kabibasan nang tacantum di dalam parnyataan ngini tanpa takacuali , nangkaya ras, warna kulit, janis kalamin, bahasa, agama, pulitik, atawa pandapat nang balainan, asal muasal kabangsaan atau kamasyarakatan, hak milik, kalahiran atawa kadudukan lain.
Salain ngitu, kada diperbulihakan mambeda-bedaakan atas dasar kadudukan politik, hukum atawa kadudukan internasional matan nagara atawa daerah mana asalnya, baik dari nagara nang mardeka, nang babantuk wilayah-wilayah parwakilan, jajahan atawa nang ada di bawah batasan kadaulatan nang lainnya.
~Pasal 3
Satiap urang baisi hak atas panghidupan,kabibasan,wan kasalamatannya.
~Pasal 4
Kadada saurang pun bulih diparbudak atau dihambaakan, parbudakan wan pardagangan budak dalam bantuk apa haja harus kada diperbulihakan.
~Pasal 5
Kadada saurang pun bulih disiksa atawa diparlakukan sacara kajam, mendapat parlakuan atawa dihukum sacara kada manusiawi atawa dirandahakan martabatnya.
~Pasal 6
Satiap urang berhak atas pangakuan di hadapan hukum sabagai sasaurang di mana haja inya baada.
~Pasal 7
Samuaan urang sama di hadapan hukum wan baisi hak atas parlindungan hukum nang sama tanpa parbedaan. Sabarataan baisi hak wan parlindungan nang sama tahadap sagala bantuk kalakuan pambeda nang balawanan lawan parnyataan ngini wan lawan sagala hasutan nang mambawai gasan kalakuan nang mambeda-bedaakan ngintu.
~Pasal 8
Satiap urang baisi hak atas bantuan nang efektif matan pangadilan nasional nang kompeten gasan tindakan palanggaran hak-hak dasar nang dibarii gasan inya matan undang-undang dasar atawa hukum.
~Pasal 9
Kadada saurang pun bulih ditangkap,ditahan,atawa dibuang sakahandak.
~Pasal 10
Satiap urang, dalam parsamaan panuh, baisi hak atas pangadilan nang adil wan tabuka matan pangadilan nang bebas wan kada mamihak, dalam manatapakan hak wan kawajiban-kawajibannya lawan dalam satiap tuntutan pidana nang digugurakan lawan inya.
~Pasal 11
1. Satiap urang nang dituntut karana disangka manggawi palanggaran hukum dianggap kada basalah, sampai dibuktiakan kasalahannya manurut hukum dalam suatu pangadilan nang tabuka, dimana inya mandapati sabarataan jaminan nang diparlukan gasan pambelaannya.
2. Kadada saurang pun bulih disalahakan malakukan palanggaran hukum karana batingkah atawa kalalaian nang kada marupakan sabuah palanggaran hukum manurut undang-undang nasional atawa internasional, wayah parbuatan ngitu dilakuakan. Jua kada dibulihakan manggugurakan hukuman nang labih barat daripada hukuman nang saharusnya dikaranakan wayah palanggaran hukum ngintu dilakuakan.
~Pasal 12
Kada saurang pun bulih diganggu lawan sakahandak urusan sorangan, kaluarganya,rumah-tangganya atawa hubungan surat-manyuratnya, jua kada diparbulihakan palanggaraan atas kahormatannya wan ngaran baiknya. Satiap urang barhak mandapat parlindungan hukum tahadap gangguan atawa palanggaran nangkaya ngintu.
~Pasal 13
1. Satiap urang barhak atas kabebasan bagarak wan badiam di dalam batas-batas satiap nagara.
2. Satiap urang barhak maninggalakan sabuah nagara, tamasuk nagarinya saurang, wan barhak babulik ke nagarinya.
~Pasal 14
1. Satiap urang baisi hak mancari wan manikmati suaka di nagara lain gasan malindungi diri matan sasahan.
2. Hak ngini kada balaku gasan kasus panyasahan nang babujur timbul gagara kajahatan-kajahatan nang kada bahubungan lawan politik, atawa gagara kalakuan nang balain lawan tujuan wan dasar Parsarikatan Bangsa-Bangsa.
~Pasal 15
1. Satiap urang baisi hak atas sasuatu kawarga-nagaraan.
2. Kadada saurang pun dangan sakahandaknya kawa dicabut kawarga-nagaraannya atawa ditolak haknya gasan mangganti kawarga-nagaraan.
~Pasal 16
1. Lakian wan binian nang sudah tuha, kada dibatasi kabangsaan, kawarga- nagaraan atawa agama, baisi hak kawin wan bakaluarga. Buhannya baisi hak nang sama dalam parkawinan, di dalam masa parkawinan wan wayah sarak.
2. Parkawinan hanya bulih digawi sakahandak wan parsatujuan sapanuhnya matan kadua panganten.
3. Kaluarga adalah kasatuan alamiah wan mandasar matan masyarakat wan barhak mandapat parlindungan matan masyarakat wan nagara.
~Pasal 17
1. Satiap urang barhak baisian harta, baik saurang maupun bagabung lawan nang lainnya.
2. Kada saurang pun bulih dirabuti hartanya sakahandak.
~Pasal 18
Satiap urang barhak wan kabebasan pikiran, hati nurani wan agama, dalam hal ngini tamasuk kabebasan baganti agama atawa kaparcayaan, wan kabebasan gasan manyataakan agama atawa kaparcayaan lawan cara manggawinya, mampraktekakannya, malaksanaakan ibadahnya wan manaatinya, baik saurang atawa baimbai lawan nang lain, di muka umum atawa saurang.
~Pasal 19
Satiap urang barhak atas kabebasan baisi wan mangaluarakan pandapat, dalam hak ngini tamasuk kabebasan baisi pandapat tanpa diganggu, wan gasan mancari,manarima wan manyampaiakan informasi wan buah pikiran malalui media napa haja wan kada mamandang batas-batas (wilayah).
~Pasal 20
1. Satiap urang baisi hak atas kabebasan bakumpul wan basarikat sacara damai.
2. Kada saurang pun bulih dipaksa gasan mamasuki sabuah parkumpulan.
~Pasal 21
1. Satiap urang barhak umpat dalam pamarintahan nagaranya, sacara langsung atawa malalui wakil-wakil nang dipilih bebas.
2. Satiap urang barhak atas kasampatan nang sama gasan diangkat dalam jabatan pamarintahan nagaranya.
3. Kahandak rakyat harus manjadi dasar kakuasaan pamarintah, kahandak ngini harus dinyataakan dalam pamilihan umum nang dilaksanaakan sacara barkala wan jujur wan digawi manurut hak pilih nang basifat umum wan nang kada mambeda-bedaakan, wan lawan pamungutan suara nang rahasia atawa manurut cara-cara lain nang manjamin kabebasan memberii suara.
~Pasal 22
Satiap urang, sabagai angguta masyarakat, barhak atas jaminan sosial wan barhak malaksanaakan lawan parantaraan usaha-usaha nasional wan karjasama internasional, wan sasuai lawan organisasi sumber-sumber kakayaan dari satiap nagara, hak-hak ekonomi, sosial wan kabudayaan nang sangat dibutuhakan gasan martabat wan partumbuhan bebas paribadinya.
~Pasal 23
1. Satiap urang barhak atas gawian, barhak lawan bebas mamilih gawian, barhak atas syarat-syarat parburuhan nang adil lawan baik, wan barhak atas parlindungan dari pangangguran.
2. Satiap urang, kada didiskriminasi, barhak atas pangupahan nang sama gasan gawian nang sama.
3. Satiap urang nang manggawi gawian barhak atas pangupahan nang adil wan baik nang manjamin kahidupannya wan kaluarganya, suatu kahidupan nang pantas gasan manusia nang barmartabat, wan kalo parlu ditambahakan gasan parlindungan sosial lainnya.
4. Satiap urang barhak mandiriakan wan mamasuki sarikat-sarikat pakerja gasan malindungi kapantingannya.
~Pasal 24
Satiap urang barhak atas istirahat wan liburan, tamasuk pambatasan-pambatasan waktu bagawi nang layak wan hari libur barkala, lawan manarima upah.
~Pasal 25
1. Satiap urang barhak atas kahidupan nang manjamin kasehatan wan kasajahteraan gasan dirinya wan kaluarganya, tamasuk makan, baju, parumahan wan parawatan kasihatannya lawan palayanan sosial nang diparlukan, wan barhak atas jaminan wayah kada baisi gawian, lagi garing, cacat, manjadi janda, umur sudah lanjut atawa mangalami kakurangan gawian nang lain gagara kaadaan diluar kakuasaannya.
2. Buhan uma wan kakanakan barhak mandapatakan parawatan wan bantuan istimewa. Sabarataan anak, baik nang dilahirakan di dalam atawa di luar parkawinan, harus mandapat parlindungan sosial nang sama.
~Pasal 26
1. Satiap urang barhak mandapat pandidikan. Pandidikan musti gratis, paling kada gasan tingkat sakulah randah wan pandidikan dasar. Pandidikan randah masti diwajibakan. Pandidikan teknik wan jurusan sacara umum masti tabuka gasan sabarataan urang, wan pangajaran tinggi masti sacara adil kawa diakses wan sabarataan urang, badasarakan kapantasan.
2. Pandidikan mesti ditujuakan ka arah parkambangan pribadi nang saluas- luasnya lawan manguatakan rasa panghargaan tahadap hak-hak manusia wan kabebasan asasi. Pandidikan masti mancanangakan saling pangartian, toleransi, wan parsahabatan di antara samuaan bangsa, kalumpuk ras atawa agama, lawan masti mamajuakan kagiatan Parsarikatan Bangsa-Bangsa dalam mamalihara pardamaian.
3. Urang tuha baisi hak utama gasan mamilih janis pandidikan nang akan dibariakan wan anaknya.
~Pasal 27
1. Satiap urang barhak gasan umpat lawan bebas dalam kahidupan kabudayaan masyarakat, gasan manikmati kasanian wan babagi dalam kamajuan ilmu pangatahuan wan manfaatnya.
2. Satiap urang barhak gasan mandapat parlindungan atas kapantingan- kapantingan moril wan material nang didapat sabagai hasil dari sabuah produksi ilmiah, kasusasteraan atawa kasanian nang diciptaakannya.
~Pasal 28
Satiap urang barhak atas sabuah tatanan sosial wan internasional nang mana hak-hak wan kabebasan-kabebasan nang tamasuk di dalam parnyataan ngini kawa dilaksanaakan sapanuhnya.
~Pasal 29
1. Satiap urang baisi kawajiban tahadap masyarakat sabutingannya wadah nang mana inya mandapat kasampatan gasan mangambangakan pribadinya lawan panuh wan laluasa.
2. Dalam manjalanakan hak-hak wan kabebasan-kabebasannya, satiap urang masti patuh hanya lawan pambatasan-pambatasan nang ditatapakan wan undang-undang gasan maksud samata-mata gasan manjamin pangakuan lawan panghormatan nang layak tahadap hak-hak wan kabebasan-kabebasan urang lain, wan gasan mamanuhi syarat-syarat nang adil dalam hal kasusilaan, katartiban wan kasajahtaraan umum dalam sabuah masyarakat nang demokratis.
3. Hak-hak wan kabebasan-kabebasan ngini lawan jalan bagaimana pun sakali-kali kada bulih dilaksanaakan barlawanan dangan tujuan wan dasar Parsarikatan Bangsa-Bangsa.
~Pasal 30
Kada bulih sabuting pun di dalam parnyataan ngini bulih diartiakan mambarii sabuah nagara, kalumpuk, atawa sasaurang, hak gasan tabuat di dalam kagiatan apa pun atawa malakuakan parbuatan nang batujuan gasan marusak hak-hak wan kabebasan- kabebasan nang mana tamasuk kadalam parnyataan ngini.