
~Mukadimah 1
Manimbang kalo pengakuan atas martabat alamiah deng hak-hak yang sama deng mutlak dar samua anggota famili manusia adalah dasar kemerdekaan, keadilan deng badame di dunia,
Manimbang kalo mengabaikan deng memandang randa hak-hak asasi manusia su mengakibatkan perbuatan-perbuatan bengis yang kas muncul rasa marah dalam hati nurani umat manusia deng terbentuknya suatu dunia tampa manusia akan mengecap kenikmatan kebebasan berbicara deng beragama serta kebebasan dari takotang deng kuramg karna akang samua su dinyatakan sebagai cita-cita tertinggi dar katong rakyat biasa,
~Mukadimah 2
Manimbang kalo hak-hak asasi manusia musti dapa jaga oleh peraturan hukum supaya orang seng akang terpaksa memilih pemberontakan sebagai dong pung usaha terakhir par menentang kelaliman deng penindasan,
Manimbang kalo pembangunan hubungan persahabatan antara negara-negara perlu digalakkan,
~Mukadimah 3
Manimbang kalo bangsa-bangsa dar Perserikatan Bangsa-Bangsa skali lai su menyatakan di dalam Piagam Perserikatan Bangsa-Bangsa dong pung kepercayaan par hak-hak dasar dar manusia, martabat deng nilai katong sebagai manusia deng hak- hak yang sama dari laki - laki maupun parampuang, deng su bertekad par menggalakkan kemajuan sosial deng taraf hidup yang lebih baik di dalam kemerdekaan yang labee luas,
~Mukadimah 4
Manimbang bahwa Negara-Negara Anggota su berjanji par mencapai kemajuan dalam penghargaan deng penghormatan umum for hak-hak asasi manusia deng kebebasan- kebebasan asasi, dengang bekerjasama dengang Perserikatan Bangsa-Bangsa,
Manimbang kalo pengertian umum tentang hak-hak deng kebebasan-kebebasan tersebut paleng penting par pelaksanaan yang sungguh-sungguh dar janji ini, maka,
~Mukadimah 5
Majelis Umum dengang ini memproklamasikan
Pernyataan Umum tentang Hak-Hak Asasi Manusia
sebagai satu standar umum keberhasilan for sa mua bangsa deng sa mua negara, dengang tujuan supaya samua orang deng samua bageang dalam masyarakat dengang senantiasa inga Pernyataan ini, akan berusaha dengang jalan mengajar deng mendidik for menggalakkan penghargaan par hak-hak deng kebebasan-kebebasan tersebut, deng dengang jalan tindakan-tindakan progresif yang bersifat nasional maupun internasional, menjamin pengakuan deng penghormatannya secara universal dan efektif, mau itu oleh bangsa-bangsa dar Negara-Negara Anggota sa ndiri atau oleh bangsa-bangsa dar daerah-daerah yang ada di bawah dong pung kuasa hukum.
~Pasal 1
Samua orang dilahirkan merdeka deng pung martabat deng hak-hak yang sama. Dorang dapa karunia akal deng hati nurani deng hendaknya batamang satu deng yang laeng dalam semangat basodara.
~Pasal 2
Samua orang berhak atas samua hak deng kebebasan-kebebasan yang tatulis di dalam Pernyataan ini seng ada pengecualian apapun, mau itu ras, warna kulit, jenis kelamin, bahasa, agama, politik atau pendapat yang seng sama, asal mula kebangsaan atau kemasyarakatan, hak milik, kelahiran ataupun kedudukan lain.
Di samping itu, seng bole biking perbedaan atas dasar kedudukan politik, hukum atau kedudukan internasional dar negara atau daerah dar mana seseorang berasal, baik dar negara yang merdeka, yang berbentuk wilayah-wilayah perwalian, jajahan atau yang berada di bawah batasan kedaulatan yang lain.
~Pasal 3
Samua orang berhak for cari hido p, kebebasan dengang keselamatan individu.
~Pasal 4
Seng ada saorang lai yang boleh diperbudak atau diperhambakan, perbudakan deng perdagangan budak dalam samua bentuk musti dapa larang .
~Pasal 5
Seng boleh ada saorang pun yang dapa siksa atau diperlakukan secara kejam, dapa perlakuan atau dihukum deng cara yang seng manusiawi ataupun dapa kasi randa dia pung martabat.
~Pasal 6
Samua orang berhak dapa pengakuan di muka hukum sebagai pribadi di mana saja dia berada.
~Pasal 7
Samua orang sama di depan hukum deng berhak dapa perlindungan hukum yang sama tanpa diskriminasi. Samua berhak atas perlindungan yang sama terhadap sagala bentuk diskriminasi yang seng sejalan deng Pernyataan ini deng terhadap sagala hasutan yang mengarah pada diskriminasi semacam itu.
~Pasal 8
Samua orang pung hak dapa bantuan yang efektif dar pengadilan nasional yang kompeten for tindakan pelanggaran hak-hak dasar yang dapa kasi for dia oleh undang-undang dasar atau hukum.
~Pasal 9
Seng seorang pun boleh dapa tangkap, dapa tahan atau dapa buang dengang sewenang- wenang.
~Pasal 10
Samua orang, dalam persamaan yang penuh, pung hak atas pengadilan yang adil deng terbuka oleh pengadilan yang bebas deng seng memihak, dalam menetapkan hak deng kewajiban-kewajibannya serta dalam setiap tuntutan pidana yang dijatuhkan for dia.
~Pasal 11
1. Setiap orang yang dituntut karena dapa sangka langgar hukum dianggap seng bersalah, sampe ada bukti kesalahannya menurut hukum dalam suatu pengadilan yang terbuka, di mana dia dapa samua jaminan yang diperlukan par pembelaannya.
2. Seng sa orang pun boleh dapa kas salah par langgar hukum karna perbuatan atau kelalaian yang seng merupakan suatu pelanggaran hukum menurut undang-undang nasional atau internasional, ketika perbuatan itu terjadi. Juga seng diperkenankan menjatuhkan hukuman yang labe barat daripada hukuman yang seharusnya dikenakan ketika pelanggaran hukum itu diperbuat.
~Pasal 12
Seng sa orang pun dapat diganggu deng sewenang-wenang dong pung urusan pribadi, dong pung famili, dong pung ruma -tangga atau dong pung hubungan surat-menyurat, juga seng diperkenankan pelanggaran atas dong pung kehormatan deng dong pung nama baik. Samua orang berhak dapa perlindungan hukum dar gangguan atau pelanggaran kaya bagitu.
~Pasal 13
1. Samua orang berhak dapa kebebasan bagara deng badiam di dalam batas-batas samua negara.
2. Samua orang berhak kastinggal se atu negeri, termasuk dia pung negara sandiri, deng berhak bale ka dia pung negri .
~Pasal 14
1. Samua orang berhak mancari deng menikmati suaka di negara laeng par balindung dari pengejaran.
2. Hak ini seng berlaku for kasus pengejaran yang batul - batul timbul karna kejahatan- kejahatan yang seng ada kaitan deng politik, atau karna perbuatan-perbuatan yang bertentangan deng tujuan deng dasar Perserikatan Bangsa-Bangsa.
~Pasal 15
1. Samua orang pung hak atas kewarga-negaraan.
2. Seng sa orang pun deng semena-mena dapa cabu kewarga-negaraannya atau dapa tolak haknya par ganti kewarga-negaraan.
~Pasal 16
1. Laki - laki deng parampuang yang su dewasa, dengang seng dibatasi kebangsaan, kewarga-negaraan atau agama, berhak for kaweng deng membentuk famili. Dong pung hak yang sama dalam hal perkawinan, di dalam masa perkawinan deng pas waktu perceraian.
2. Perkawinan hanya dapa dilakukan berdasarkan pilihan bebas deng persetujuan penuh oleh kedua mempelai.
3. Famili adalah kesatuan alamiah deng fundamental dar masyarakat deng pung hak for dapa perlindungan dar masyarakat deng Negara.
~Pasal 17
1. Samua orang pung hak par pung harta, mau itu sa ndiri ataupun bersama-sama deng orang laeng.
2. Seng saorang pun yang pung harta bisa dapa rampas dengang semena - mena.
~Pasal 18
Samua orang berhak pung kebebasan pikiran, hati nurani deng agama; dalam hal ini termasuk kebebasan berganti agama atau kepercayaan, deng kebebasan for menyatakan agama atau kepercayaan deng cara kasi ajar orang, mempraktekan, melaksanakan ibadahnya deng mentaatinya, mau itu sandiri ataupun bersama-sama deng orang laeng, di muka umum maupun sa ndiri.
~Pasal 19
Samua orang berhak atas kebebasan mempunyai deng kas kaluar pendapat; dalam hak ini termasuk kebebasan for pung pendapat tanpa dapa ganggu, deng par cari, tarima deng kasi tau informasi deng buah pikiran lewat media apa saja dengang seng memandang batas-batas (wilayah).
~Pasal 20
1. Samua orang pung hak for kebebasan bakumpul deng berserikat secara damai.
2. Seng saorang lai bisa dapa paksa for gabung satu perkumpulan.
~Pasal 21
1. Samua orang berhak iko ambe bagian dalam pemerintahan negerinya, secara langsung atau melalui wakil-wakil yang dapa pilih dengang bebas.
2. Samua orang berhak pung kesempatan yang sama for dudu dalam jabatan pemerintahan di dia pung negeri.
3. Kehendak rakyat musti jadi dasar kekuasaan pemerintah; kehendak ini harus dinyatakan dalam pemilihan umum yang dilaksanakan secara berkala deng jujur deng yang dilakukan menurut hak pilih yang bersifat umum deng yang seng kasi beda - beda, dengang pemungutan suara yang rahasia ataupun menurut cara-cara lain yang bisa kasi jaminan kebebasan memberikan suara.
~Pasal 22
Samua orang, sebagai anggota masyarakat, pung hak atas jaminan sosial deng pung hak melaksanakan dengang perantaraan usaha-usaha nasional deng kerjasama internasional, sesuai deng organisasi serta sumber-sumber kekayaan dar samua Negara, hak-hak ekonomi, sosial deng kebudayaan yang sangat diperlukan untuk martabat deng pertumbuhan bebas pribadinya.
~Pasal 23
1. Samua orang berhak for pung karja, berhak deng bebas par pilih dong pung pekerjaan, berhak for syarat-syarat perburuhan yang adil serta baik, deng berhak par dapa perlindungan dar pengangguran.
2. Samua orang, tanpa diskriminasi, berhak for dapa gaji yang sama for pekerjaan yang sama.
3. Samua orang yang ada pekerjaan berhak for dapa gaji yang adil deng baik yang menjamin dong deng dong pung famili pung hido p, suatu kehidupan yang pantas par manusia yang pung martabat, deng kalo parluu dapa tambah deng perlindungan sosial lainnya.
4. Samua orang berhak par biking deng gabung serikat-serikat pekerja par melindungi dong pung kepentingan.
~Pasal 24
Samua orang berhak pung istirahat deng liburan, termasuk pembatasan-pembatasan jam karja yang layak deng hari libur berkala, tapi tetap dong dapa gaji.
~Pasal 25
1. Samua orang berhak pung taraf hido p yang menjamin dong deng dong pung famili pung kesehatan deng kesejahteraan, termasuk makang, baju, ruma deng perawatan kesehatan serta pelayanan sosial yang diperlukan, deng berhak dapa jaminan pas dong menganggur, menderita sakit, cacat, jadi janda, su tua atau mengalami kekurangan mata pencarian yang laeng barang tagal keadan diluar dong pung kendali.
2. Mama - mama deng ana - ana berhak dapa perawatan deng bantuan istimewa. Samua ana, mau itu hasil nika atau diluar nika, musti dapa perlindungan sosial yang sama.
~Pasal 26
1. Samua orang berhak dapa pendidikan. Pendidikan musti gratis, setidak-tidaknya fro tingkat sekolah rendah deng pendidikan dasar. Pendidikan rendah musti wajib dilakukan. Pendidikan teknik deng jurusan secara umum musti tabuka par samua orang, deng pengajaran tinggi musti secara adil bisa dapa akses oleh sa mua orang, berdasarkan kepantasan.
2. Pendidikan musti ditujukan ke arah for membangun diri yang seluas-luasnya serta par kasi kuat rasa penghargaan terhadap hak-hak manusia deng kebebasan asasi. Pendidikan musti menggalakkan saling pengertian, toleransi deng persahabatan di antara samua bangsa, kelompok ras maupun agama, serta musti memajukan kegiatan Perserikatan Bangsa-Bangsa dalam memelihara perdamaian.
3. Orang-tatua yang paleng pung hak for pilih jenis Pendidikan yang mau dong kasi par dong pung ana - ana.
~Pasal 27
1. Samua orang berhak par ambel bageang dengang bebas dalam kehidupan kebudayaan masyarakat, par bisa rasa kenikmatan kesenian skaligus berbagi par kemajuan ilmu pengetahuan deng kang pung manfaat.
2. Samua orang berhak par dapa perlindungan atas kepentingan-kepentingan moril dan material yang dong dapa sebagai hasil dar sesuatu produksi ilmiah, kesusasteraan atau kesenian yang dia biking.
~Pasal 28
Samua orang berhak atas suatu tatanan sosial deng internasional di mana hak-hak deng kebebasan-kebebasan yang termaktub di dalam Pernyataan ini dapa dilaksanakan sepenuhnya.
~Pasal 29
1. Samua orang pung kewajiban terhadap masyarakat tampa satu-satunya di mana dong memperoleh kesempatan for mengembangkan dong pung diri dengang penuh deng leluasa.
2. Dalam menjalankan dong pung hak-hak deng kebebasan-kebebasan, samua orang musti tundu hanya par pembatasan-pembatasan yang ditetapkan oleh undang- undang deng maksud semata-mata par menjamin pengakuan serta penghormatan yang layak terhadap hak-hak deng kebebasan-kebebasan orang laeng, deng par memenuhi syarat-syarat yang adil dalam hal kesusilaan, ketertiban deng kesejahteraan umum dalam suatu masyarakat yang demokratis.
3. Hak-hak deng kebebasan-kebebasan ini deng jalan bagemanapun skali-skali seng bole dilaksanakan bertentangan dengang tujuan deng dasar Perserikatan Bangsa-Bangsa.
~Pasal 30
Seng satu pun di dalam Pernyataan ini bole ditafsirkan par kasi satu pun Negara, kelompok maupun seseorang, hak for terlibat di dalam kegiatan apa pun atau biking kalakuang yang bertujuan par merusak hak-hak dan kebebasan-kebebasan yang mana pun yang termaktub di dalam Pernyataan ini.