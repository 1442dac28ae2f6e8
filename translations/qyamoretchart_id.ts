<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>FamousPeople</name>
    <message>
        <source>Hugh Grant</source>
        <translation>Hugh Grant</translation>
    </message>
    <message>
        <source>Ayrton Senna</source>
        <translation>Ayrton Senna</translation>
    </message>
    <message>
        <source>Zinedine Zidane</source>
        <translation>Zinedine Zidane</translation>
    </message>
    <message>
        <source>Katy Perry</source>
        <translation>Katy Perry</translation>
    </message>
    <message>
        <source>Scarlett Johansson</source>
        <translation>Scarlett Johansson</translation>
    </message>
    <message>
        <source>Jane Fonda</source>
        <translation>Jane Fonda</translation>
    </message>
    <message>
        <source>Jack Nicholson</source>
        <translation>Jack Nicholson</translation>
    </message>
    <message>
        <source>Anthony Hopkins</source>
        <translation>Anthony Hopkins</translation>
    </message>
    <message>
        <source>Meryl Streep</source>
        <translation>Meryl Streep</translation>
    </message>
    <message>
        <source>Eddie Murphy</source>
        <translation>Eddie Murphy</translation>
    </message>
    <message>
        <source>Barack Obama</source>
        <translation>Barack Obama</translation>
    </message>
    <message>
        <source>Keira Knightley</source>
        <translation>Keira Knightley</translation>
    </message>
    <message>
        <source>Kofi Annan</source>
        <translation>Kofi Annan</translation>
    </message>
    <message>
        <source>Stevie Wonder</source>
        <translation>Stevie Wonder</translation>
    </message>
    <message>
        <source>Jodie Foster</source>
        <translation>Jodie Foster</translation>
    </message>
    <message>
        <source>Leonardo DiCaprio</source>
        <translation>Leonardo DiCaprio</translation>
    </message>
    <message>
        <source>Lady Gaga</source>
        <translation>Lady Gaga</translation>
    </message>
    <message>
        <source>Usain Bolt</source>
        <translation>Usain Bolt</translation>
    </message>
    <message>
        <source>Tina Turner</source>
        <translation>Tina Turner</translation>
    </message>
    <message>
        <source>Sally Ride</source>
        <translation>Sally Ride</translation>
    </message>
    <message>
        <source>Michael Jordan</source>
        <translation>Michael Jordan</translation>
    </message>
    <message>
        <source>David Beckham</source>
        <translation>David Beckham</translation>
    </message>
    <message>
        <source>Angelina Jolie</source>
        <translation>Angelina Jolie</translation>
    </message>
    <message>
        <source>Lionel Messi</source>
        <translation>Lionel Messi</translation>
    </message>
    <message>
        <source>John Lennon</source>
        <translation>John Lennon</translation>
    </message>
    <message>
        <source>Bruce Lee</source>
        <translation>Bruce Lee</translation>
    </message>
    <message>
        <source>Keanu Reeves</source>
        <translation>Keanu Reeves</translation>
    </message>
    <message>
        <source>Bob Dylan</source>
        <translation>Bob Dylan</translation>
    </message>
    <message>
        <source>Stephen Hawking</source>
        <translation>Stephen Hawking</translation>
    </message>
    <message>
        <source>Muhammad Ali</source>
        <translation>Muhammad Ali</translation>
    </message>
    <message>
        <source>Pierce Brosnan</source>
        <translation>Pierce Brosnan</translation>
    </message>
    <message>
        <source>Shah Rukh Khan</source>
        <translation>Shah Rukh Khan</translation>
    </message>
    <message>
        <source>Taylor Swift</source>
        <translation>Taylor Swift</translation>
    </message>
    <message>
        <source>Paul McCartney</source>
        <translation>Paul McCartney</translation>
    </message>
    <message>
        <source>Harrison Ford</source>
        <translation>Harrison Ford</translation>
    </message>
    <message>
        <source>Jackie Chan</source>
        <translation>Jackie Chan</translation>
    </message>
    <message>
        <source>Angela Merkel</source>
        <translation>Angela Merkel</translation>
    </message>
    <message>
        <source>Emma Watson</source>
        <translation>Emma Watson</translation>
    </message>
    <message>
        <source>Mick Jagger</source>
        <translation>Mick Jagger</translation>
    </message>
    <message>
        <source>Steve Jobs</source>
        <translation>Steve Jobs</translation>
    </message>
    <message>
        <source>Tim Berners-Lee</source>
        <translation>Tim Berners-Lee</translation>
    </message>
    <message>
        <source>Nicole Kidman</source>
        <translation>Nicole Kidman</translation>
    </message>
    <message>
        <source>Julia Roberts</source>
        <translation>Julia Roberts</translation>
    </message>
    <message>
        <source>Norah Jones</source>
        <translation>Norah Jones</translation>
    </message>
    <message>
        <source>Diana Ross</source>
        <translation>Diana Ross</translation>
    </message>
    <message>
        <source>George Lucas</source>
        <translation>George Lucas</translation>
    </message>
    <message>
        <source>Tom Hanks</source>
        <translation>Tom Hanks</translation>
    </message>
    <message>
        <source>Celine Dion</source>
        <translation>Celine Dion</translation>
    </message>
    <message>
        <source>Hugh Jackman</source>
        <translation>Hugh Jackman</translation>
    </message>
    <message>
        <source>Yao Ming</source>
        <translation>Yao Ming</translation>
    </message>
    <message>
        <source>Eric Clapton</source>
        <translation>Eric Clapton</translation>
    </message>
    <message>
        <source>Natalie Portman</source>
        <translation>Natalie Portman</translation>
    </message>
    <message>
        <source>Roger Federer</source>
        <translation>Roger Federer</translation>
    </message>
    <message>
        <source>Serena Williams</source>
        <translation>Serena Williams</translation>
    </message>
    <message>
        <source>Cher</source>
        <translation>Cher</translation>
    </message>
    <message>
        <source>Freddie Mercury</source>
        <translation>Freddie Mercury</translation>
    </message>
    <message>
        <source>Sharon Stone</source>
        <translation>Sharon Stone</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>Prince</translation>
    </message>
    <message>
        <source>Madonna</source>
        <translation>Madonna</translation>
    </message>
    <message>
        <source>Andre Agassi</source>
        <translation>Andre Agassi</translation>
    </message>
    <message>
        <source>Matt Damon</source>
        <translation>Matt Damon</translation>
    </message>
    <message>
        <source>Anne Hathaway</source>
        <translation>Anne Hathaway</translation>
    </message>
    <message>
        <source>Elton John</source>
        <translation>Elton John</translation>
    </message>
    <message>
        <source>Stephen King</source>
        <translation>Stephen King</translation>
    </message>
    <message>
        <source>Emma Thompson</source>
        <translation>Emma Thompson</translation>
    </message>
    <message>
        <source>Ewan McGregor</source>
        <translation>Ewan McGregor</translation>
    </message>
    <message>
        <source>Chris Hemsworth</source>
        <translation>Chris Hemsworth</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Between two names of the famous people&apos;s list</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Peluang usaha rumahan: buka bisnis daring sendiri dan raih penghasilan. Pasang merek situs Anda di seluruh perangkat lunak ini. Klik di sini untuk rinciannya.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Pasang merek situs Anda di perangkat lunak ini; tambah loyalitas dan kunjungan. Taruh nama dan tautan situs di sini. Rinciannya di “Bantuan”. Klik di sini soal merek bersama.</translation>
    </message>
    <message>
        <source>Visit our online discussion forum at %1</source>
        <translation>Kunjungi forum diskusi daring kami di %1</translation>
    </message>
    <message>
        <source>Share your reading in our discussion forum. Click here to visit %1</source>
        <translation>Bagikan ramalan Anda di forum kami. Klik untuk membuka %1</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Urungkan</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>U&amp;langi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Potong</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Salin</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Tempel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ya</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Tidak</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>January</source>
        <translation>Januari</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februari</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Maret</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mei</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agustus</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Desember</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>Tikus</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>Kerbau</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>Macan</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>Kelinci</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>Naga</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Ular</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>Kuda</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>Kambing</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>Monyet</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>Ayam</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>Anjing</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>Babi</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Logam</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Kayu</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Api</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>Tanah</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Dragon, Monkey</source>
        <translation>Naga, Monyet</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>Biru muda</translation>
    </message>
    <message>
        <source>Carbuncle, Red Garnet</source>
        <translation>Almandin, Garnet merah</translation>
    </message>
    <message>
        <source>Yin (positive)</source>
        <translation>Yin</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>Musim dingin</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturnus</translation>
    </message>
    <message>
        <source>Snake, Rooster</source>
        <translation>Ular, Ayam</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>White Onyx</source>
        <translation>Oniks putih</translation>
    </message>
    <message>
        <source>End of Winter</source>
        <translation>Akhir musim dingin</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Horse, Dog</source>
        <translation>Kuda, Anjing</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Hijau</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>Safir</translation>
    </message>
    <message>
        <source>Yang (Negative)</source>
        <translation>Yang</translation>
    </message>
    <message>
        <source>Early Spring</source>
        <translation>Awal musim semi</translation>
    </message>
    <message>
        <source>Goat, Pig</source>
        <translation>Kambing, Babi</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>Hijau muda</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>Krisolit</translation>
    </message>
    <message>
        <source>Mid Spring</source>
        <translation>Tengah musim semi</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Rat, Monkey</source>
        <translation>Tikus, Monyet</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>Biru toska</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>Kecubung</translation>
    </message>
    <message>
        <source>End of Spring</source>
        <translation>Akhir musim semi</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Ox, Rooster</source>
        <translation>Kerbau, Ayam</translation>
    </message>
    <message>
        <source>Tiger, Pig</source>
        <translation>Macan, Babi</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Merah</translation>
    </message>
    <message>
        <source>Mossagate</source>
        <translation>Akik lumut</translation>
    </message>
    <message>
        <source>Yin (Positive Energy)</source>
        <translation>Yin</translation>
    </message>
    <message>
        <source>Early Summer</source>
        <translation>Awal musim panas</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkurius</translation>
    </message>
    <message>
        <source>Tiger, Dog</source>
        <translation>Macan, Anjing</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranye</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>Beril</translation>
    </message>
    <message>
        <source>Mid Summer</source>
        <translation>Tengah musim panas</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Bulan</translation>
    </message>
    <message>
        <source>Rabbit, Pig</source>
        <translation>Kelinci, Babi</translation>
    </message>
    <message>
        <source>Pink, Purple</source>
        <translation>Merah muda, Ungu</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>Zamrud</translation>
    </message>
    <message>
        <source>Yin (Positive)</source>
        <translation>Yin</translation>
    </message>
    <message>
        <source>End of Summer</source>
        <translation>Akhir musim panas</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Matahari</translation>
    </message>
    <message>
        <source>Rat, Dragon</source>
        <translation>Tikus, Naga</translation>
    </message>
    <message>
        <source>Yellow, Gold</source>
        <translation>Kuning, Emas</translation>
    </message>
    <message>
        <source>Early Autumn</source>
        <translation>Awal musim gugur</translation>
    </message>
    <message>
        <source>Ox, Dragon, Snake</source>
        <translation>Kerbau, Naga, Ular</translation>
    </message>
    <message>
        <source>Peach, Apricot</source>
        <translation>Persik, Aprikot</translation>
    </message>
    <message>
        <source>Pin Jasper</source>
        <translation>Batu jasper</translation>
    </message>
    <message>
        <source>Mid Autumn</source>
        <translation>Tengah musim gugur</translation>
    </message>
    <message>
        <source>Tiger, Horse</source>
        <translation>Macan, Kuda</translation>
    </message>
    <message>
        <source>Pale Yellow</source>
        <translation>Kuning muda</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Berlian</translation>
    </message>
    <message>
        <source>End of Autumn</source>
        <translation>Akhir musim gugur</translation>
    </message>
    <message>
        <source>Rabbit, Goat</source>
        <translation>Kelinci, Kambing</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>Biru tua</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>Topas</translation>
    </message>
    <message>
        <source>Early Winter</source>
        <translation>Awal musim dingin</translation>
    </message>
    <message>
        <source>West (247.6 - 292.5 degrees)</source>
        <translation>Barat (247,6 - 292,5 derajat)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rooster here</source>
        <translation>Letakkan patung atau lukisan ayam jago di arah ini</translation>
    </message>
    <message>
        <source>South (157.6 - 202.5 degrees)</source>
        <translation>Selatan (157,6 - 202,5 derajat)</translation>
    </message>
    <message>
        <source>Place statue or picture of a horse here</source>
        <translation>Letakkan patung atau lukisan kuda di arah ini</translation>
    </message>
    <message>
        <source>East (67.6 - 112.5 degrees)</source>
        <translation>Timur (67,6 - 112,5 derajat)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rabbit here</source>
        <translation>Letakkan patung atau lukisan kelinci di arah ini</translation>
    </message>
    <message>
        <source>North (337.6 degrees to 22.5 degrees)</source>
        <translation>Utara (337,6 hingga 22,5 derajat)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rat here</source>
        <translation>Letakkan patung atau lukisan tikus di arah ini</translation>
    </message>
    <message>
        <source>You are very focused and confident. Obstacles never frighten you or slow you down. You are self-reliant and dislike interference. You may be stubborn, headstrong and impulsive, but your inner strength is great. You enjoy the good things in life. You may expect as much from others as you do from yourself.</source>
        <translation>Anda fokus dan percaya diri; rintangan tak pernah menakuti atau menghambat Anda. Anda mandiri dan tak suka diatur. Anda bisa keras kepala, keras hati, dan impulsif, namun batin Anda sangat kuat. Anda pandai menikmati keindahan hidup, dan mungkin menuntut orang lain seperti diri sendiri.</translation>
    </message>
    <message>
        <source>You have the fluidity of water and solve issues with your silent charm. You persuade others subtly, never by force. Your manner is always diplomatic. People trust you completely. Your intuition lets you read what others think. You communicate well and influence people with ease. You organize things well, but you may be inconsistent.</source>
        <translation>Luwes bagai air, Anda mengatasi masalah dengan pesona tenang. Anda membujuk dengan halus, tak pernah memaksa. Sikap Anda selalu diplomatis; orang percaya penuh pada Anda. Intuisi Anda bisa membaca pikiran orang. Anda komunikatif dan mudah memengaruhi orang. Anda cakap mengatur, tetapi kadang tak konsisten.</translation>
    </message>
    <message>
        <source>You are very confident about yourself. You have a dignified presence and do not chase after things. You are organized and work in a methodical way. You like teamwork and gladly share the fruits of success with others. You are not selfish. Your interests are wide and varied. You may depend too much on others. You should take on only as much responsibility as you can handle. Your knowledge and experience grow more useful with time.</source>
        <translation>Anda sangat yakin pada diri sendiri. Anda berwibawa dan tak suka mengejar-ngejar sesuatu. Anda teratur dan bekerja secara metodis. Anda senang bekerja dalam tim dan rela berbagi buah keberhasilan; Anda tidak egois. Minat Anda luas dan beragam. Anda bisa terlalu bergantung pada orang lain. Ambillah tanggung jawab sebatas kemampuan Anda. Pengetahuan dan pengalaman Anda makin berguna seiring waktu.</translation>
    </message>
    <message>
        <source>You have an impulsive nature. You are truly charming. As a leader and motivator, you attract people easily. You hold to your ideals, and no one can talk you out of them. You are sure of your decisions. You are aggressive and love to explore new ground. You are simply made for challenges. At times you can be dominating. You are also highly ambitious.</source>
        <translation>Anda impulsif dan sungguh memesona. Sebagai pemimpin dan penyemangat, Anda mudah menarik orang. Anda teguh pada cita-cita; tak ada yang bisa menggoyahkannya. Anda yakin akan keputusan Anda. Anda pendobrak yang gemar merambah wilayah baru, terlahir untuk tantangan. Kadang Anda mendominasi. Anda juga sangat ambisius.</translation>
    </message>
    <message>
        <source>You are more logical than emotional in nature. Your quiet, dignified presence earns the respect of others. You are prudent and always stay in control. The unfamiliar can make you uneasy. You are particular about details and serious about life. You are a good organizer and planner. You are disciplined and conservative.</source>
        <translation>Anda lebih logis daripada emosional. Pembawaan Anda yang tenang dan berwibawa membuat Anda dihormati. Anda berhati-hati dan selalu memegang kendali. Hal asing bisa membuat Anda gelisah. Anda teliti dan serius menjalani hidup. Anda pandai mengatur dan merencanakan. Anda disiplin dan konservatif.</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Chinese Sign</source>
        <translation>Shio</translation>
    </message>
    <message>
        <source>Romance Direction</source>
        <translation>Arah Asmara</translation>
    </message>
    <message>
        <source>Peach Blossom Advice</source>
        <translation>Saran Bunga Persik</translation>
    </message>
    <message>
        <source>Chinese Element</source>
        <translation>Elemen</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>Planet Penguasa</translation>
    </message>
    <message>
        <source>Most Compatible</source>
        <translation>Paling Cocok</translation>
    </message>
    <message>
        <source>Least Compatible</source>
        <translation>Tidak Cocok</translation>
    </message>
    <message>
        <source>Favourable Seasons</source>
        <translation>Musim Baik</translation>
    </message>
    <message>
        <source>Favourable Month</source>
        <translation>Bulan Baik</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>Warna Hoki</translation>
    </message>
    <message>
        <source>GemStone</source>
        <translation>Permata</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Yin-Yang</translation>
    </message>
    <message>
        <source>Famous People</source>
        <translation>Tokoh Terkenal</translation>
    </message>
</context>
<context>
    <name>SignPicture</name>
    <message>
        <source>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</source>
        <comment>The animals the twelve signs&apos; pictures draw, in sign order, a blank between two. Keep them, or where the reader&apos;s tradition has another animal for a year put cat, water_buffalo or wild_boar in its place; a word of any other kind is ignored.</comment>
        <translation>rat water_buffalo tiger rabbit dragon snake horse goat monkey rooster dog pig</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>Aplikasi ini sudah berjalan</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Mungkin ada pembaruan untuk perangkat lunak ini<byte value="xd"/>Apakah Anda ingin memeriksa pembaruan?</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>.</source>
        <comment>The full stop that ends a sentence read aloud</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance direction. This software gives you advice based on your romance direction. All rights to this software are held by the makers of QY Amoret Chart.</source>
        <translation>QY Bagan Bunga Persik memakai metode Tionghoa berdasar I Ching untuk menemukan dan mengaktifkan arah asmara Anda, lalu memberi saran sesuai arah itu. Seluruh hak atas perangkat lunak ini milik pembuat QY Bagan Bunga Persik.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Peluang usaha rumahan: buka bisnis daring sendiri dan raih penghasilan. Pasang merek situs Anda di seluruh perangkat lunak ini.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Klik untuk membuka %1</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Klik di sini untuk rinciannya.</translation>
    </message>
    <message>
        <source>QY Amoret Chart icon</source>
        <translation>Ikon QY Bagan Bunga Persik</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know more about your romance direction with the Chinese Amoret Chart. Enter your personal details to get started.</source>
        <translation>Kenali arah asmara Anda lewat Bagan Bunga Persik Tionghoa. Isi data diri Anda untuk memulai.</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>Data Diri Anda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>Tgl. Lahir</translation>
    </message>
    <message>
        <source>Birth Date: Day</source>
        <translation>Tanggal lahir: tanggal</translation>
    </message>
    <message>
        <source>Birth Date: Month</source>
        <translation>Tanggal lahir: bulan</translation>
    </message>
    <message>
        <source>Birth Date: Year</source>
        <translation>Tanggal lahir: tahun</translation>
    </message>
    <message>
        <source>&amp;Get My Peach Blossom Reading</source>
        <translation>&amp;Lihat Ramalan Bunga Persik</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Silakan masukkan nama Anda</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Silakan masukkan tanggal atau bulan yang benar!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Silakan masukkan tanggal atau bulan yang benar!</translation>
    </message>
</context>
<context>
    <name>frmPeachBlossomResult</name>
    <message>
        <source>QY Amoret Chart Results</source>
        <translation>Hasil QY Bagan Bunga Persik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Ke&amp;mbali</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Cetak</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>B&amp;antuan</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Bantuan &amp;Daring</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Kunjungi Situs Kami</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Periksa &amp;Pembaruan</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Tentang Perangkat Lunak</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donasi</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Chinese Sign picture</source>
        <translation>Gambar shio</translation>
    </message>
    <message>
        <source>A %1 drawn in white on a purple disc</source>
        <translation>Seekor %1 berwarna putih di atas bulatan ungu</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>QY Amoret Chart v1.0</source>
        <translation>QY Bagan Bunga Persik v1.0</translation>
    </message>
    <message>
        <source>QY Amoret Chart</source>
        <translation>QY Bagan Bunga Persik</translation>
    </message>
    <message>
        <source>Ag</source>
        <comment>Never shown: a few letters of this language&apos;s script, to measure how tall its lines are</comment>
        <translation>Ag</translation>
    </message>
</context>
</TS>
